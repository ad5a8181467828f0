import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0
import Lumavive 1.0

Item {
    id: themesScreen
    objectName: "themesScreen"
    Component.onCompleted: templates.selectNewest()

    // A theme played in the window with the sample pictures it comes with.
    Popup {
        id: themePreview
        objectName: "themePreviewPopup"
        property string name: ""
        width: Math.min(themesScreen.width - 80, 900)
        function showTheme(id, themeName) {
            name = themeName
            open()
            preview.playTheme(id)
        }
        onClosed: preview.close()
        Column {
            width: parent.width
            spacing: Theme.spacing
            Heading { text: themePreview.name }
            PreviewView {
                objectName: "themePreviewView"
                width: parent.width
                height: width * 9 / 16
            }
            Row {
                anchors.right: parent.right
                spacing: Theme.spacing
                Button {
                    text: preview.playing ? qsTr("Pause") : qsTr("Play")
                    onClicked: preview.togglePlay([])
                }
                BButton {
                    objectName: "themePreviewCloseButton"
                    text: qsTr("Close")
                    onClicked: themePreview.close()
                }
            }
        }
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.height + 60
        clip: true
        ScrollBar.vertical: ScrollBar {}

        Column {
            id: column
            width: grid.width
            anchors.horizontalCenter: parent.horizontalCenter
            y: 30
            spacing: Theme.gapWide

            ProjectsView { width: parent.width }

            Row {
                spacing: Theme.gapLarge
                Heading { text: qsTr("Select Theme") }
                // The open project is saved and listed above; the next theme starts a new one.
                BButton {
                    objectName: "newSlideshowButton"
                    anchors.verticalCenter: parent.verticalCenter
                    visible: project.slidesNumber > 0 || project.audioFilesCount > 0
                    text: qsTr("New Slideshow")
                    onClicked: project.startNew()
                }
            }

            Grid {
                id: grid
                objectName: "themesGrid"
                // As many tiles to a row as the window holds, three at least.
                columns: Math.max(3, Math.floor((themesScreen.width - 2 * Theme.gapBroad) / (300 + Theme.gapBroad)))
                spacing: Theme.gapBroad
                Repeater {
                    model: templates.templates.length
                    ThemeThumb {
                        // The newest theme (highest id) comes first.
                        entry: templates.templates[templates.templates.length - 1 - index]
                    }
                }
            }

            Label {
                text: qsTr("Subscribe for new Themes and Updates")
                color: Theme.secondaryText
                font.pixelSize: Theme.fontLabel
            }
            Row {
                spacing: Theme.spacing
                BButton {
                    text: qsTr("Facebook")
                    onClicked: Qt.openUrlExternally("https://lumavive.example/facebook")
                }
                BButton {
                    text: qsTr("Subscribe")
                    buttonBgColor: Theme.action
                    borderColor: Theme.action
                    onClicked: Qt.openUrlExternally("https://lumavive.example/subscribe")
                }
            }
        }
    }
}
