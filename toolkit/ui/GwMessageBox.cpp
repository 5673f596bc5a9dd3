#include "GwMessageBox.h"

#include "GwQt.h"
#include "GwScriptedAnswers.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

struct Kind {
    long bit;
    int result;
    const char* id;
    const char* label;
};
// Display order.
constexpr Kind kKinds[4] = {
    {GwMB_OK, GwMB_RESULT_OK, "GwMB_OK", "OK"},
    {GwMB_YES, GwMB_RESULT_YES, "GwMB_YES", "Yes"},
    {GwMB_NO, GwMB_RESULT_NO, "GwMB_NO", "No"},
    {GwMB_CANCEL, GwMB_RESULT_CANCEL, "GwMB_CANCEL", "Cancel"},
};

int kind_index(long bit) {
    for (int i = 0; i < 4; ++i)
        if (kKinds[i].bit == bit)
            return i;
    return -1;
}

} // namespace

GwMessageBox::GwMessageBox(GwCore* parent, const GwString& text, const GwString& title,
                           long buttons, const GwString& bitmap)
    : GwDialogFrame(parent, title) {
    QDialog* d = dialog();
    d->setObjectName(QStringLiteral("GwMessageBox"));
    m_icon = new QLabel(d);
    m_icon->setObjectName(QStringLiteral("GwMB_BITMAP"));
    m_label = new QLabel(d);
    m_label->setObjectName(QStringLiteral("GwMB_TEXT"));
    m_label->setTextFormat(Qt::PlainText); // message texts may hold "<" and ">"
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_button_row = new QWidget(d);
    m_button_row->setObjectName(QStringLiteral("GwMB_BUTTONS"));
    auto* row = new QHBoxLayout(m_button_row);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(m_icon, 0, Qt::AlignTop);
    top->addWidget(m_label, 1);
    auto* layout = new QVBoxLayout(d);
    layout->addLayout(top);
    layout->addWidget(m_button_row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 0; i < 4; ++i)
        m_labels[i] = kKinds[i].label;
    set_text(text);
    set_bitmap(bitmap);
    set_buttons(buttons);
}

GwString GwMessageBox::text() const {
    return dialog() != nullptr ? GwQt::gs(m_label->text()) : GwString();
}

void GwMessageBox::set_text(const GwString& text) {
    if (dialog() != nullptr)
        m_label->setText(GwQt::qs(text));
}

void GwMessageBox::set_bitmap(const GwString& name) {
    m_bitmap = name;
    if (dialog() == nullptr)
        return;
    QStyle::StandardPixmap pixmap;
    if (name == "mb_stop")
        pixmap = QStyle::SP_MessageBoxCritical;
    else if (name == "mb_info")
        pixmap = QStyle::SP_MessageBoxInformation;
    else if (name == "mb_quest")
        pixmap = QStyle::SP_MessageBoxQuestion;
    else if (name == "mb_excl")
        pixmap = QStyle::SP_MessageBoxWarning;
    else {
        m_icon->clear();
        m_icon->hide();
        return;
    }
    const int size = m_icon->style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    m_icon->setPixmap(m_icon->style()->standardIcon(pixmap).pixmap(size, size));
    m_icon->show();
}

void GwMessageBox::set_buttons(long set) {
    m_set = set;
    rebuild_buttons();
}

void GwMessageBox::rebuild_buttons() {
    if (dialog() == nullptr)
        return;
    for (int i = 0; i < 4; ++i)
        delete m_button_row->findChild<QPushButton*>(QLatin1String(kKinds[i].id));
    auto* row = static_cast<QHBoxLayout*>(m_button_row->layout());
    for (int i = 0; i < 4; ++i) {
        if ((m_set & kKinds[i].bit) == 0)
            continue;
        auto* b = new QPushButton(GwQt::qs(m_labels[i]), m_button_row);
        b->setObjectName(QLatin1String(kKinds[i].id));
        b->setAutoDefault(false);
        const long bit = kKinds[i].bit;
        QObject::connect(b, &QPushButton::clicked, b, [this, bit]() { press(bit); });
        row->addWidget(b);
    }
    m_button_row->setVisible(m_set != 0);
    set_default_button(m_default);
}

QPushButton* GwMessageBox::button(long bit) const {
    const int i = kind_index(bit);
    if (i < 0 || dialog() == nullptr)
        return nullptr;
    return m_button_row->findChild<QPushButton*>(QLatin1String(kKinds[i].id));
}

void GwMessageBox::set_default_button(long bit) {
    m_default = bit;
    for (int i = 0; i < 4; ++i)
        if (QPushButton* b = button(kKinds[i].bit))
            b->setDefault(kKinds[i].bit == bit);
    if (QPushButton* b = button(bit))
        b->setFocus();
}

void GwMessageBox::set_button_text(long bit, const GwString& label) {
    const int i = kind_index(bit);
    if (i < 0)
        return;
    m_labels[i] = label;
    if (QPushButton* b = button(bit))
        b->setText(GwQt::qs(label));
}

GwString GwMessageBox::button_text(long bit) const {
    const int i = kind_index(bit);
    if (i < 0 || (m_set & bit) == 0)
        return GwString();
    return m_labels[i];
}

std::vector<GwMessageBox::Button> GwMessageBox::buttons() const {
    std::vector<Button> list;
    for (int i = 0; i < 4; ++i)
        if ((m_set & kKinds[i].bit) != 0)
            list.push_back(
                {kKinds[i].bit, kKinds[i].result, m_labels[i], kKinds[i].bit == m_default});
    return list;
}

int GwMessageBox::press(long bit) {
    if ((m_set & bit) == 0 || kind_index(bit) < 0)
        return 0;
    set_result(result_of(bit));
    hide();
    return 1;
}

void GwMessageBox::set_frame_decoration(long flags) {
    m_decoration = flags;
    QDialog* d = dialog();
    if (d == nullptr || d->isVisible())
        return;
    d->setWindowFlag(Qt::WindowStaysOnTopHint, (flags & GwFD_ON_TOP) != 0);
}

int GwMessageBox::result_of(long bit) {
    const int i = kind_index(bit);
    return i < 0 ? 0 : kKinds[i].result;
}

int GwMessageBox::neutral_result() const {
    if ((m_set & GwMB_CANCEL) != 0)
        return GwMB_RESULT_CANCEL;
    if ((m_set & GwMB_NO) != 0)
        return GwMB_RESULT_NO;
    if ((m_set & GwMB_OK) != 0)
        return GwMB_RESULT_OK;
    return 0;
}

int GwMessageBox::go() {
    // Escape or the window's close button hide the box without a button.
    set_result(neutral_result());
    return GwDialogFrame::go();
}

void GwMessageBox::on_shown() {
    if (is_running() == 0)
        GwScriptedAnswers::info_shown(this);
}
