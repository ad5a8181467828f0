import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Popup {
    id: popup
    objectName: "downloadErrorPopup"
    property string supportAddress: "support@lumavive.example"
    width: 560
    closePolicy: Popup.NoAutoClose

    Column {
        width: parent.width
        spacing: Theme.spacing
        Heading { text: qsTr("Network problem") }
        Label {
            width: parent.width
            wrapMode: Text.Wrap
            color: Theme.text
            textFormat: Text.StyledText
            linkColor: Theme.accent
            text: qsTr("We have problem with downloading files from internet.") + "<br>"
                  + qsTr("Please check your internet connection and try again.") + "<br><br>"
                  + qsTr("If this problem persists, please contact our support at ")
                  + " <a href=\"mailto:" + popup.supportAddress + "\">" + popup.supportAddress + "</a>"
            onLinkActivated: Qt.openUrlExternally(link)
        }
        Row {
            anchors.right: parent.right
            spacing: Theme.gapMedium
            BButton {
                text: qsTr("Select other")
                onClicked: {
                    popup.close()
                    appWindow.navigate("ThemesScreen")
                }
            }
            Button {
                text: qsTr("Retry")
                onClicked: {
                    popup.close()
                    templates.redownload()
                }
            }
        }
    }
}
