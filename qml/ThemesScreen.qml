import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Item {
    id: themesScreen
    objectName: "themesScreen"

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
            spacing: 24

            ProjectsView { width: parent.width }

            Row {
                spacing: 20
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
                columns: 3
                spacing: 30
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
                font.pixelSize: 16
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
