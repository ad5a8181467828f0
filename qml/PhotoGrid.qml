import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0
import Lumavive 1.0

// The slides grid. Tiles are dragged as a floating copy (`ghost`) that lives outside the
// flowing tiles, so a drag never lands on the tile it started from and survives the grid
// scrolling under it; one drop area over the whole grid decides where files and tiles go.
Item {
    id: photoGrid
    objectName: "photoGrid"
    signal editText(int index, string text)
    property bool dragging: false
    // Tab reaches the grid; the keys act on the selection (the current tile shows a ring).
    activeFocusOnTab: true
    Keys.onPressed: event.accepted = slideGrid.key(event.key, event.modifiers, columns)
    // Tiles to a line, for the up and down keys.
    readonly property int columns: Math.max(1, Math.floor((flow.width + flow.spacing) / (174 + flow.spacing)))
    readonly property alias flickable: flick
    // How close to the top or bottom edge a dragged tile makes the grid scroll, and how fast.
    readonly property int scrollZone: 48
    readonly property int scrollStep: 14

    // Where a drop at (x, y) of the grid's content goes: before the tile under it (left half),
    // after it (right half), or -1 for empty space.
    function dropTarget(x, y) {
        var tile = flow.childAt(x, y)
        if (!tile || tile.tileIndex === undefined)
            return -1
        return x - tile.x < tile.width / 2 ? tile.tileIndex : tile.tileIndex + 1
    }

    function pressTile(tile, index, mouse) {
        photoGrid.forceActiveFocus()
        slideGrid.press(index, mouse.modifiers)
        var at = tile.mapToItem(photoGrid, 0, 0)
        ghost.x = at.x
        ghost.y = at.y
        ghost.source = tile.imageSource
        ghost.Drag.hotSpot.x = mouse.x
        ghost.Drag.hotSpot.y = mouse.y
    }

    function clickTile(index, mouse) {
        slideGrid.click(index, mouse.modifiers)
        if (!(mouse.modifiers & (Qt.ControlModifier | Qt.ShiftModifier)))
            preview.slideClicked(index) // an open preview plays from this slide
    }

    // Scrolls just enough to show the tile of that row.
    function reveal(row) {
        flow.forceLayout()
        var tile = repeater.itemAt(row)
        if (!tile)
            return
        if (tile.y < flick.contentY)
            flick.contentY = tile.y
        else if (tile.y + tile.height > flick.contentY + flick.height)
            flick.contentY = tile.y + tile.height - flick.height
    }

    function startDrag(index) {
        dragging = true
    }

    // Called last by the pressed tile: the drop may move that very tile out of the grid.
    function endDrag() {
        if (!dragging)
            return
        ghost.Drag.drop()
        dragging = false
    }

    Connections {
        target: project
        // The new rows exist but are not laid out yet: lay them out before measuring.
        function onScrollToBottom() {
            flow.forceLayout()
            flick.contentY = Math.max(0, flow.height - flick.height)
        }
        function onScrollToSeparator() {
            flow.forceLayout()
            var row = repeater.itemAt(project.usedSlidesNumber)
            if (row)
                flick.contentY = Math.max(0, Math.min(row.y + row.height / 2 - flick.height / 2,
                                                      flow.height - flick.height))
        }
    }
    Connections {
        target: slideGrid
        function onEditTextRequested(row, text) { photoGrid.editText(row, text) }
        function onRevealRow(row) { photoGrid.reveal(row) }
    }

    Flickable {
        id: flick
        objectName: "photoFlick"
        anchors.fill: parent
        contentHeight: flow.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        DropArea {
            objectName: "gridDropArea"
            width: flick.width
            height: Math.max(flow.height, flick.height)
            onEntered: drag.accepted = drag.hasUrls ? project.checkUrls(drag.urls)
                                                    : drag.source === ghost
            onDropped: {
                var target = photoGrid.dropTarget(drop.x, drop.y)
                if (drop.hasUrls) {
                    if (project.insertFiles(target, drop.urls))
                        drop.acceptProposedAction()
                } else {
                    var moved = slideGrid.selectedRows
                    slideGrid.clear()
                    project.move(moved, target < 0 ? project.slidesNumber + 1 : target)
                }
            }
        }

        Flow {
            id: flow
            width: flick.width
            spacing: Theme.gapMedium

            Repeater {
                id: repeater
                model: slides

                delegate: Item {
                    id: tile
                    readonly property int tileIndex: index
                    readonly property bool separator: model.type === SlideRow.SeparatorRow
                    readonly property bool picked: slideGrid.selectedRows.indexOf(index) >= 0
                    readonly property bool current: photoGrid.activeFocus && slideGrid.currentRow === index
                    readonly property string imageSource: model.imgId ? "image://ImageProvider/" + model.imgId : ""
                    objectName: "tile" + index
                    width: separator ? flow.width : 174
                    height: separator ? (banner.item ? banner.item.implicitHeight : 40) : 174
                    opacity: index > project.usedSlidesNumber ? 0.5 : 1.0

                    // Every row of a long project gets a tile: what only the separator or a
                    // hovered tile shows is made when it is needed.
                    Loader {
                        id: banner
                        width: parent.width
                        active: tile.separator
                        sourceComponent: separatorBanner
                    }

                    Component {
                        id: separatorBanner
                        Rectangle {
                            objectName: "separatorBanner"
                            color: Theme.panel
                            radius: 4
                            implicitHeight: Math.max(40, message.implicitHeight + 16)
                            Image {
                                id: warning
                                anchors.verticalCenter: parent.verticalCenter
                                anchors.left: parent.left
                                anchors.leftMargin: Theme.gapMedium
                                source: "qrc:/assets/images/icon-warning@2x.png"
                                width: 20
                                height: 20
                            }
                            Label {
                                id: message
                                anchors.verticalCenter: parent.verticalCenter
                                anchors.left: warning.right
                                anchors.leftMargin: Theme.gapNarrow
                                anchors.right: parent.right
                                anchors.rightMargin: Theme.gapMedium
                                wrapMode: Text.WordWrap
                                color: Theme.text
                                text: qsTr("You have too many slides for your audio duration. The images and text slides below will be excluded from final video") + "."
                            }
                        }
                    }

                    Rectangle {
                        anchors.fill: parent
                        visible: !tile.separator
                        color: Theme.panel
                        radius: 4
                        border.width: tile.picked ? 3 : 0
                        border.color: Theme.action
                        FocusRing { shown: tile.current }
                        Image {
                            anchors.fill: parent
                            anchors.margins: Theme.gapSmall
                            source: tile.imageSource
                            fillMode: Image.PreserveAspectFit
                            // The provider hands over an image it already holds: loading it in
                            // place is cheap, and a request can never outlive the id it names
                            // (thumbnails are replaced as soon as better ones arrive).
                            asynchronous: false
                            cache: false
                        }
                        MouseArea {
                            id: hover
                            anchors.fill: parent
                            hoverEnabled: true
                            preventStealing: true
                            enabled: !tile.separator
                            drag.target: ghost
                            drag.threshold: 8
                            // The copy stays under the pointer from the first move on.
                            drag.smoothed: false
                            onPressed: photoGrid.pressTile(tile, index, mouse)
                            onPositionChanged: if (drag.active) photoGrid.startDrag(index)
                            onClicked: photoGrid.clickTile(index, mouse)
                            onDoubleClicked: if (model.type === SlideRow.TextRow) photoGrid.editText(index, model.text)
                            onReleased: photoGrid.endDrag()
                        }
                        Loader {
                            anchors.top: parent.top
                            anchors.right: parent.right
                            anchors.margins: Theme.gapSmall
                            active: hover.containsMouse && !photoGrid.dragging
                            sourceComponent: tileButtons
                        }
                        Component {
                            id: tileButtons
                            Row {
                                spacing: Theme.gapTiny
                                RoundButton {
                                    objectName: "rotateLeftButton"
                                    visible: model.type === SlideRow.ImageRow
                                    width: 28; height: 28
                                    icon.source: "qrc:/assets/images/icon-rotate-left@2x.png"
                                    ToolTip.visible: hovered
                                    ToolTip.text: qsTr("Turn left")
                                    onClicked: project.rotate(index, false)
                                }
                                RoundButton {
                                    objectName: "rotateRightButton"
                                    visible: model.type === SlideRow.ImageRow
                                    width: 28; height: 28
                                    icon.source: "qrc:/assets/images/icon-rotate-right@2x.png"
                                    ToolTip.visible: hovered
                                    ToolTip.text: qsTr("Turn right")
                                    onClicked: project.rotate(index, true)
                                }
                                RoundButton {
                                    objectName: "removeButton"
                                    width: 28; height: 28
                                    icon.source: "qrc:/assets/images/icon-remove@2x.png"
                                    ToolTip.visible: hovered
                                    ToolTip.text: qsTr("Remove")
                                    onClicked: project.removeSlide(index)
                                }
                            }
                        }
                    }
                }
            }
        }
    }

    // The dragged tiles, under the pointer; it shows the first one and how many go along.
    Rectangle {
        id: ghost
        objectName: "dragGhost"
        property alias source: ghostImage.source
        width: 174
        height: 174
        radius: 4
        color: Theme.panel
        border.width: 3
        border.color: Theme.action
        opacity: 0.85
        visible: photoGrid.dragging
        Drag.active: photoGrid.dragging
        Drag.source: ghost
        Image {
            id: ghostImage
            anchors.fill: parent
            anchors.margins: Theme.gapSmall
            fillMode: Image.PreserveAspectFit
            cache: false
        }
        Rectangle {
            visible: slideGrid.selectedRows.length > 1
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: -8
            width: 28; height: 28
            radius: 14
            color: Theme.action
            Label {
                anchors.centerIn: parent
                text: slideGrid.selectedRows.length
                color: Theme.text
            }
        }
    }

    // Scrolls while a dragged tile is held near the top or bottom edge.
    Timer {
        interval: 30
        repeat: true
        running: photoGrid.dragging
        onTriggered: {
            var y = ghost.y + ghost.Drag.hotSpot.y
            var most = Math.max(0, flow.height - flick.height)
            if (y < photoGrid.scrollZone)
                flick.contentY = Math.max(0, flick.contentY - photoGrid.scrollStep)
            else if (y > photoGrid.height - photoGrid.scrollZone)
                flick.contentY = Math.min(most, flick.contentY + photoGrid.scrollStep)
        }
    }
}
