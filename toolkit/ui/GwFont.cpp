#include "GwFont.h"

#include "GwQt.h"

#include <cctype>
#include <optional>

namespace {
std::optional<QFont>& dialog_font_slot() {
    static std::optional<QFont> font;
    return font;
}
} // namespace

QFont GwFont::dialog_font() {
    if (!dialog_font_slot())
        dialog_font_slot() = QFont(QStringLiteral("DejaVu Sans"), 9);
    return *dialog_font_slot();
}

void GwFont::set_dialog_font(const QFont& font) {
    dialog_font_slot() = font;
}

GwFont::GwFont(const GwString& descriptor) : m_descriptor(descriptor), m_font(dialog_font()) {
    if (descriptor == "GwDialogFont" || descriptor.is_empty())
        return;
    const int count = descriptor.GetTokenCount('.');
    int field = 0;
    GwString first = descriptor.GetToken(0, '.');
    if (!first.is_empty() && std::isdigit(static_cast<unsigned char>(first[0])) != 0) {
        const int points = first.to_int();
        if (points > 0 && points <= 400)
            m_font.setPointSize(points);
        field = 1;
    }
    const GwString family = descriptor.GetToken(field, '.');
    if (!family.is_empty()) {
        m_font.setFamily(GwQt::qs(family));
        if (family.to_upper().begins_with("COURIER"))
            m_font.setStyleHint(QFont::TypeWriter);
    }
    for (int i = field + 1; i < count; ++i) {
        const GwString styles = descriptor.GetToken(i, '.').to_upper();
        for (int k = 0; k < styles.len(); ++k) {
            switch (styles[k]) {
            case 'I':
                m_font.setItalic(true);
                break;
            case 'B':
                m_font.setBold(true);
                break;
            case 'U':
                m_font.setUnderline(true);
                break;
            default:
                break;
            }
        }
    }
}
