import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.CheckBox {
    id: control
    implicitWidth: indicator.width + contentItem.implicitWidth + spacing
    implicitHeight: 28
    spacing: Theme.gapNarrow
    font.pixelSize: Theme.fontCaption

    indicator: Rectangle {
        width: 18
        height: 18
        y: (control.height - height) / 2
        radius: 3
        color: control.checked ? Theme.action : "transparent"
        border.color: Theme.secondaryText
        border.width: 1
        FocusRing { shown: control.visualFocus }
        Text {
            anchors.centerIn: parent
            text: "\u2713"
            color: Theme.text
            visible: control.checked
            font.pixelSize: Theme.fontCaption
        }
    }
    contentItem: Text {
        leftPadding: control.indicator.width + control.spacing
        text: control.text
        font: control.font
        color: Theme.text
        verticalAlignment: Text.AlignVCenter
    }
}
