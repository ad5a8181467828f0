import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Flickable {
    id: photoGrid
    objectName: "photoGrid"
    signal editText(int index, string text)
    property var selection: []
    contentHeight: flow.height
    clip: true
    ScrollBar.vertical: ScrollBar {}

    Connections {
        target: project
        function onScrollToBottom() { photoGrid.contentY = Math.max(0, photoGrid.contentHeight - photoGrid.height) }
        function onScrollToSeparator() {
            var row = repeater.itemAt(project.usedSlidesNumber)
            if (row)
                photoGrid.contentY = Math.max(0, row.y + row.height / 2 - photoGrid.height / 2)
        }
    }

    DropArea {
        width: photoGrid.width
        height: Math.max(flow.height, photoGrid.height)
        onEntered: drag.accepted = drag.hasUrls ? project.checkUrls(drag.urls) : true
        onDropped: {
            if (drop.hasUrls)
                project.insertFiles(-1, drop.urls)
            else
                project.move(photoGrid.selection, project.slidesNumber + 1)
        }
    }

    Flow {
        id: flow
        width: photoGrid.width
        spacing: 12

        Repeater {
            id: repeater
            model: slides

            delegate: Item {
                id: tile
                readonly property bool separator: model.type === 1
                readonly property bool picked: photoGrid.selection.indexOf(index) >= 0
                width: separator ? flow.width : 174
                height: separator ? 40 : 174
                opacity: index > project.usedSlidesNumber ? 0.5 : 1.0
                z: hover.drag.active ? 10 : 0
                Drag.active: hover.drag.active
                Drag.source: tile
                Drag.hotSpot.x: width / 2
                Drag.hotSpot.y: height / 2

                // Every row of a long project gets a tile: what only the separator or a hovered
                // tile shows is made when it is needed.
                Loader {
                    anchors.fill: parent
                    active: tile.separator
                    sourceComponent: separatorBanner
                }

                Component {
                    id: separatorBanner
                    Rectangle {
                        color: "#273745"
                        radius: 4
                        Row {
                            anchors.verticalCenter: parent.verticalCenter
                            anchors.left: parent.left
                            anchors.leftMargin: 12
                            spacing: 10
                            Image {
                                source: "qrc:/assets/images/icon-warning@2x.png"
                                width: 20
                                height: 20
                            }
                            Label {
                                color: "#E9E9E9"
                                text: qsTr("You have too many slides for your audio duration. The images and text slides below will be excluded from final video") + "."
                            }
                        }
                    }
                }

                Rectangle {
                    anchors.fill: parent
                    visible: !tile.separator
                    color: "#273745"
                    radius: 4
                    border.width: tile.picked ? 3 : 0
                    border.color: "#1D8CE4"
                    Image {
                        anchors.fill: parent
                        anchors.margins: 6
                        source: model.imgId ? "image://ImageProvider/" + model.imgId : ""
                        fillMode: Image.PreserveAspectFit
                        asynchronous: true
                        cache: false
                    }
                    MouseArea {
                        id: hover
                        anchors.fill: parent
                        hoverEnabled: true
                        drag.target: tile.separator ? null : tile
                        onReleased: {
                            if (drag.active)
                                tile.Drag.drop()
                            flow.forceLayout()
                        }
                        onClicked: {
                            if (mouse.modifiers & Qt.ControlModifier) {
                                var s = photoGrid.selection.slice()
                                var at = s.indexOf(index)
                                if (at >= 0) s.splice(at, 1); else s.push(index)
                                photoGrid.selection = s
                            } else {
                                photoGrid.selection = [index]
                            }
                        }
                        onDoubleClicked: if (model.type === 3) photoGrid.editText(index, model.text)
                        onPressed: if (photoGrid.selection.indexOf(index) < 0) photoGrid.selection = [index]
                    }
                    Loader {
                        anchors.top: parent.top
                        anchors.right: parent.right
                        anchors.margins: 6
                        active: hover.containsMouse
                        sourceComponent: tileButtons
                    }
                    Component {
                        id: tileButtons
                        Row {
                            spacing: 4
                            RoundButton {
                                visible: model.type === 2
                                width: 28; height: 28
                                icon.source: "qrc:/assets/images/icon-rotate-left@2x.png"
                                onClicked: project.rotate(index, false)
                            }
                            RoundButton {
                                visible: model.type === 2
                                width: 28; height: 28
                                icon.source: "qrc:/assets/images/icon-rotate-right@2x.png"
                                onClicked: project.rotate(index, true)
                            }
                            RoundButton {
                                width: 28; height: 28
                                icon.source: "qrc:/assets/images/icon-remove@2x.png"
                                onClicked: project.removeSlide(index)
                            }
                        }
                    }
                    DropArea {
                        anchors.fill: parent
                        onEntered: drag.accepted = drag.hasUrls ? project.checkUrls(drag.urls) : true
                        onDropped: {
                            var target = drop.x < width / 2 ? index : index + 1
                            if (drop.hasUrls)
                                project.insertFiles(target, drop.urls)
                            else
                                project.move(photoGrid.selection, target)
                        }
                    }
                }
            }
        }
    }
}
