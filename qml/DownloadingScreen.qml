import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Item {
    id: downloadingScreen
    objectName: "downloadingScreen"

    Column {
        anchors.centerIn: parent
        spacing: Theme.gapLarge
        width: 520

        Heading { text: qsTr("Downloading Theme") }
        Image {
            width: 300
            height: 168
            fillMode: Image.PreserveAspectCrop
            source: templates.selected.thumbPath || ""
        }
        ProgressBar {
            id: bar
            width: parent.width
            value: templates.downloadProgress / 100
        }
        Label {
            text: Math.floor(bar.value * 100) + "%"
            color: Theme.text
        }
        Label {
            width: parent.width
            wrapMode: Text.Wrap
            color: Theme.secondaryText
            text: qsTr("Downloading theme's files from internet.") + "\n"
                  + qsTr("Depending on your internet connection speed") + "\n"
                  + qsTr("it can take up to few minutes.") + "\n\n"
                  + qsTr("This files will be downloaded only once.")
        }
    }
    BButton {
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: Theme.gapWide
        text: qsTr("Back")
        onClicked: appWindow.navigate("SettingsScreen")
    }
}
