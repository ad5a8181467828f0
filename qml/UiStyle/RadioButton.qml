import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.RadioButton {
    id: control
    implicitWidth: indicator.width + contentItem.implicitWidth + spacing
    implicitHeight: 30
    spacing: Theme.gapNarrow
    font.pixelSize: Theme.fontBody

    indicator: Rectangle {
        width: 20
        height: 20
        radius: 10
        y: (control.height - height) / 2
        color: "transparent"
        border.color: control.checked ? Theme.action : Theme.secondaryText
        border.width: 1
        FocusRing { shown: control.visualFocus }
        Rectangle {
            anchors.centerIn: parent
            width: 10
            height: 10
            radius: 5
            color: Theme.action
            visible: control.checked
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
