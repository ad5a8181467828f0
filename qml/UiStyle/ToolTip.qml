import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.ToolTip {
    id: control
    x: parent ? (parent.width - implicitWidth) / 2 : 0
    y: -implicitHeight - 6
    implicitWidth: contentItem.implicitWidth + leftPadding + rightPadding
    implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
    padding: Theme.gapNarrow
    delay: 500
    font.pixelSize: Theme.fontCaption

    contentItem: Text {
        text: control.text
        font: control.font
        color: Theme.text
        wrapMode: Text.Wrap
    }
    background: Rectangle {
        color: Theme.background
        radius: 4
        border.color: Theme.border
    }
}
