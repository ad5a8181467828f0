import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Popup {
    id: popup
    objectName: "leavePopup"
    width: 600
    onClosed: {
        if (dontAsk.checked)
            appSettings.set("dontShowPopupLeave")
    }

    Column {
        width: parent.width
        spacing: Theme.spacing
        Label {
            width: parent.width
            wrapMode: Text.Wrap
            color: Theme.text
            text: qsTr("Something seems to have gone wrong during the last Lumavive session. Send us a short message about what is the last thing you did before Lumavive crashed. It helps us fix issues quickly.\nThank you.")
        }
        TextField {
            id: message
            width: parent.width
            placeholderText: qsTr("Type your message here...")
        }
        CheckBox {
            id: dontAsk
            text: qsTr("Don’t ask again")
        }
        Row {
            anchors.right: parent.right
            spacing: Theme.gapMedium
            BButton {
                text: qsTr("Close")
                onClicked: popup.close()
            }
            Button {
                text: qsTr("Send")
                onClicked: {
                    commonError.sendCrashFeedback(message.text)
                    popup.close()
                }
            }
        }
    }
}
