import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Popup {
    id: popup
    objectName: "audioPopup"
    signal addAudio()
    width: 620

    Column {
        width: parent.width
        spacing: Theme.spacing
        Heading { text: qsTr("Edit Audio") }
        PopupAudioTracksList { width: parent.width }
        Row {
            anchors.right: parent.right
            spacing: Theme.gapMedium
            BButton {
                text: qsTr("Add Audio")
                onClicked: popup.addAudio()
            }
            Button {
                objectName: "audioDoneButton"
                text: qsTr("Done")
                onClicked: popup.close()
            }
        }
    }
}
