[VELT AG, Script ZEP Language]
; ZEP Setup parameter script of the scanner type ZEP100 (RV-4400, RV-4400L)
; Saved on:  $$Date
; Saved by:  $$From
; Template:  $$Created_by
;
; Each line of [Parameter] holds one field: the group, the field letter, "=" and the
; value in the scanner's coding (see ZEP100\README.md). Text after a semicolon is a
; comment. Parameters left out keep their factory defaults when the file is opened.

[ZEP_Type_Target]
Type=$$Type
Version=1.0

[Parameter]
; Reading control
RCL=$$RCL
; Decoder
DCC=$$DCC
DCI=$$DCI
DCL=$$DCL
DCO=$$DCO
; Reading rule 0
L0O=$$L0O
L0L=$$L0L
L0U=$$L0U
L0D=$$L0D
L0C=$$L0C
L0S=$$L0S
L0A=$$L0A
L0H=$$L0H
; Reading rule 1
L1O=$$L1O
L1L=$$L1L
L1U=$$L1U
L1D=$$L1D
L1C=$$L1C
L1S=$$L1S
L1A=$$L1A
L1H=$$L1H
; Reading rule 2
L2O=$$L2O
L2L=$$L2L
L2U=$$L2U
L2D=$$L2D
L2C=$$L2C
L2S=$$L2S
L2A=$$L2A
L2H=$$L2H
; Reading rule 3
L3O=$$L3O
L3L=$$L3L
L3U=$$L3U
L3D=$$L3D
L3C=$$L3C
L3S=$$L3S
L3A=$$L3A
L3H=$$L3H
; Reading rule 4
L4O=$$L4O
L4L=$$L4L
L4U=$$L4U
L4D=$$L4D
L4C=$$L4C
L4S=$$L4S
L4A=$$L4A
L4H=$$L4H
; Reading rule 5
L5O=$$L5O
L5L=$$L5L
L5U=$$L5U
L5D=$$L5D
L5C=$$L5C
L5S=$$L5S
L5A=$$L5A
L5H=$$L5H
; Reading rule 6
L6O=$$L6O
L6L=$$L6L
L6U=$$L6U
L6D=$$L6D
L6C=$$L6C
L6S=$$L6S
L6A=$$L6A
L6H=$$L6H
; Reading rule 7
L7O=$$L7O
L7L=$$L7L
L7U=$$L7U
L7D=$$L7D
L7C=$$L7C
L7S=$$L7S
L7A=$$L7A
L7H=$$L7H
; Reading rule 8
L8O=$$L8O
L8L=$$L8L
L8U=$$L8U
L8D=$$L8D
L8C=$$L8C
L8S=$$L8S
L8A=$$L8A
L8H=$$L8H
; Reading rule 9
L9O=$$L9O
L9L=$$L9L
L9U=$$L9U
L9D=$$L9D
L9C=$$L9C
L9S=$$L9S
L9A=$$L9A
L9H=$$L9H
; Scanning optics
ROT=$$ROT
ROR=$$ROR
ROS=$$ROS
; Reading gate
LTD=$$LTD
LTT=$$LTT
LTM=$$LTM
; Code comparison
CVA=$$CVA
CVI="$$CVI"
CVM="$$CVM"
CVO=$$CVO
; Host interface
HIS=$$HIS
HIP=$$HIP
HIT=$$HIT
HIA=$$HIA
; Host port
H0B=$$H0B
H0F=$$H0F
H0T=$$H0T
H0E="$$H0E"
H0C=$$H0C
; Auxiliary port
H1B=$$H1B
H1F=$$H1F
H1T=$$H1T
H1E=$$H1E
; Switching output
H2E=$$H2E
; Good-read LED
GN=$$GNNONAME
; Beeper tone
BT=$$BTNONAME
; Feedback duration
FD=$$FDNONAME
; Code linking
LKC=$$LKC
LKS=$$LKS
; Code 39
K1E=$$K1E
K1C=$$K1C
K1N=$$K1N
K1X=$$K1X
K1F=$$K1F
K1S=$$K1S
; 2/5 Interleaved
K2E=$$K2E
K2C=$$K2C
K2N=$$K2N
K2X=$$K2X
; Code 128
K3E=$$K3E
K3N=$$K3N
K3X=$$K3X
K3G=$$K3G
K3F=$$K3F
; EAN/UPC
K4A=$$K4A
K4B=$$K4B
K4C=$$K4C
K4D=$$K4D
K4S=$$K4S
; Codabar
K5E=$$K5E
K5N=$$K5N
K5X=$$K5X
K5S=$$K5S
; Code 93
K6E=$$K6E
K6N=$$K6N
K6X=$$K6X
