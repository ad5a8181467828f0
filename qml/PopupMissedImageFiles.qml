import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Popup {
    id: popup
    objectName: "missedFilesPopup"
    property var files: []
    width: 620

    function show(list) { files = list; open() }

    Column {
        width: parent.width
        spacing: Theme.spacing
        Heading { text: qsTr("Warning") }
        ListView {
            width: parent.width
            height: Math.min(contentHeight, 240)
            clip: true
            model: popup.files
            delegate: Label {
                width: ListView.view.width
                elide: Text.ElideMiddle
                text: modelData
                color: Theme.text
            }
        }
        Label {
            text: qsTr("Missed image files will be skipped")
            color: Theme.secondaryText
        }
        Button {
            anchors.right: parent.right
            text: qsTr("OK")
            onClicked: popup.close()
        }
    }
}
