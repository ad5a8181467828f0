import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.Popup {
    id: control
    implicitWidth: contentWidth + leftPadding + rightPadding
    implicitHeight: contentHeight + topPadding + bottomPadding
    padding: Theme.gapBroad
    modal: true
    focus: true
    anchors.centerIn: T.Overlay.overlay

    background: Rectangle {
        color: Theme.panel
        radius: 8
        border.color: Theme.border
    }
    T.Overlay.modal: Rectangle { color: Theme.scrim }
}
