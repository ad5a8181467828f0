import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Item {
    id: tile
    property var entry: ({})
    readonly property bool selected: templates.selectedId === entry.id
    width: 300
    height: entry.name ? 214 : 168
    objectName: "themeTile" + entry.id

    // Keyboard: Tab reaches every tile, Space or Return selects it.
    activeFocusOnTab: true
    Keys.onSpacePressed: templates.selectedId = tile.entry.id
    Keys.onReturnPressed: templates.selectedId = tile.entry.id

    Image {
        id: picture
        width: 300
        height: 168
        source: entry.thumbPath || ""
        fillMode: Image.PreserveAspectCrop
        clip: true

        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: templates.selectedId = tile.entry.id
        }
        FocusRing { shown: tile.activeFocus }
        Rectangle {
            anchors.fill: parent
            color: "black"
            opacity: tile.selected ? 0.6 : 0
            Behavior on opacity { NumberAnimation { duration: 150 } }
        }
        BButton {
            objectName: "startButton"
            anchors.centerIn: parent
            visible: tile.selected
            text: qsTr("Start")
            buttonBgColor: Theme.action
            borderColor: Theme.action
            onClicked: {
                templates.selectionDone()
                project.themeId = templates.selectedId
                appWindow.navigate(project.audioFilesCount > 0 ? "MainScreen" : "AddBackgroundMusicScreen")
            }
        }
        BButton {
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: Theme.gapNarrow
            objectName: "themePreviewButton"
            visible: tile.selected
            implicitHeight: 26
            font.pixelSize: Theme.fontSmall
            text: qsTr("Preview")
            ToolTip.visible: hovered
            ToolTip.text: qsTr("Play this theme with sample pictures")
            onClicked: themePreview.showTheme(tile.entry.id, tile.entry.name)
        }
    }
    Label {
        anchors.top: picture.bottom
        anchors.topMargin: Theme.gapMedium
        text: entry.name || ""
        color: tile.selected ? Theme.text : Theme.secondaryText
        font.pixelSize: Theme.fontLabel
    }
}
