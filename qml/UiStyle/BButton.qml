import QtQuick 2.12
import QtQuick.Templates 2.12 as T

// A rounded button with a border colour and a background colour of its own (empty for none).
T.Button {
    id: control
    property color borderColor: Theme.text
    property color buttonBgColor: "transparent"
    implicitWidth: Math.max(100, contentItem.implicitWidth + leftPadding + rightPadding)
    implicitHeight: 36
    leftPadding: Theme.gapLarge
    rightPadding: Theme.gapLarge
    font.pixelSize: Theme.fontCaption

    contentItem: Text {
        text: control.text
        font: control.font
        color: control.enabled ? Theme.text : Theme.secondaryText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        radius: height / 2
        color: control.down ? Qt.darker(control.buttonBgColor, 1.3)
                            : (control.hovered ? Qt.lighter(control.buttonBgColor, 1.2) : control.buttonBgColor)
        border.width: 1
        border.color: control.borderColor
        opacity: control.enabled ? 1.0 : 0.4
        FocusRing { shown: control.visualFocus }
    }
}
