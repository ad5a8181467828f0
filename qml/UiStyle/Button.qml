import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.Button {
    id: control
    implicitWidth: Math.max(120, contentItem.implicitWidth + leftPadding + rightPadding)
    implicitHeight: 40
    leftPadding: Theme.gapLarge
    rightPadding: Theme.gapLarge
    font.pixelSize: Theme.fontBody

    contentItem: Text {
        text: control.text
        font: control.font
        color: control.enabled ? Theme.text : Theme.secondaryText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        radius: 4
        color: control.down ? Theme.actionPressed : (control.hovered ? Theme.actionHovered : Theme.action)
        opacity: control.enabled ? 1.0 : 0.4
        FocusRing { shown: control.visualFocus }
    }
}
