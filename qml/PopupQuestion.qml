import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

// A question with two answers, and optionally the files it is about. The main answer is the
// highlighted button on the right; Esc and the other button give the safe answer.
Popup {
    id: popup
    property string title: ""
    property string message: ""
    property var files: []
    property string mainAnswer: ""
    property string otherAnswer: qsTr("Cancel")
    signal answeredMain()
    signal answeredOther()
    width: 560

    Column {
        width: parent.width
        spacing: Theme.spacing
        Heading { text: popup.title }
        Label {
            objectName: popup.objectName + "Message"
            width: parent.width
            wrapMode: Text.Wrap
            color: Theme.text
            textFormat: Text.PlainText
            text: popup.message
        }
        ListView {
            objectName: popup.objectName + "Files"
            width: parent.width
            height: Math.min(contentHeight, 200)
            visible: count > 0
            clip: true
            model: popup.files
            delegate: Label {
                width: ListView.view.width
                elide: Text.ElideMiddle
                text: modelData
                color: Theme.secondaryText
            }
        }
        Row {
            anchors.right: parent.right
            spacing: Theme.spacing
            BButton {
                objectName: popup.objectName + "Other"
                text: popup.otherAnswer
                onClicked: { popup.close(); popup.answeredOther() }
            }
            Button {
                objectName: popup.objectName + "Main"
                text: popup.mainAnswer
                onClicked: { popup.close(); popup.answeredMain() }
            }
        }
    }
}
