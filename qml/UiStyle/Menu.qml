import QtQuick 2.12
import QtQuick.Templates 2.12 as T

// Menus in the window's dark look.
T.Menu {
    id: control
    implicitWidth: Math.max(200, contentWidth + leftPadding + rightPadding)
    implicitHeight: contentHeight + topPadding + bottomPadding
    topPadding: Theme.gapSmall
    bottomPadding: Theme.gapSmall

    contentItem: ListView {
        implicitHeight: contentHeight
        implicitWidth: contentWidth
        model: control.contentModel
        interactive: false
        clip: true
        currentIndex: control.currentIndex
    }
    background: Rectangle {
        color: Theme.panel
        radius: Theme.radius
        border.color: Theme.border
    }
}
