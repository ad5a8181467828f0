import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Popup {
    id: popup
    objectName: "commonErrorPopup"
    property string message: ""
    property string title: qsTr("Error")
    // Support links belong under failures of the program, not under a notice about the files.
    property bool offersSupport: true
    property string supportAddress: "support@lumavive.example"
    width: 560

    function show(text) { title = qsTr("Error"); offersSupport = true; message = text; open() }
    function showNotice(heading, text) { title = heading; offersSupport = false; message = text; open() }

    Column {
        width: parent.width
        spacing: Theme.spacing
        Heading { objectName: "errorTitle"; text: popup.title }
        // The message is plain text: paths may hold "&" or "<".
        Label {
            objectName: "errorMessage"
            width: parent.width
            wrapMode: Text.Wrap
            color: Theme.text
            textFormat: Text.PlainText
            text: popup.message.replace(/\r/g, "")
        }
        Label {
            objectName: "supportLinks"
            width: parent.width
            wrapMode: Text.Wrap
            color: Theme.text
            visible: popup.offersSupport
            textFormat: Text.StyledText
            text: qsTr("If this problem persists, please contact our support at ")
                  + "<a href=\"https://lumavive.example/support\">lumavive.example/support</a> "
                  + qsTr("or via email") + " <a href=\"mailto:" + popup.supportAddress + "\">"
                  + popup.supportAddress + "</a>"
            linkColor: Theme.accent
            onLinkActivated: Qt.openUrlExternally(link)
        }
        Button {
            anchors.right: parent.right
            text: qsTr("OK")
            onClicked: popup.close()
        }
    }
}
