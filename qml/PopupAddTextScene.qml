import QtQuick 2.9
import QtQuick.Controls 2.2
import UiStyle 1.0

Popup {
    id: popup
    objectName: "textPopup"
    property int editIndex: -1
    property alias text: area.text
    width: 560

    function openForAdd() { editIndex = -1; area.text = ""; open(); area.forceActiveFocus() }
    function openForEdit(index, text) { editIndex = index; area.text = text; open(); area.forceActiveFocus() }

    Column {
        width: parent.width
        spacing: Theme.spacing
        Heading { text: qsTr("Add Text Scene") }
        TextArea {
            id: area
            objectName: "textArea"
            width: parent.width
            placeholderText: qsTr("Type your text here...")
            property string previous: ""
            // Longer texts are refused: the previous text stays.
            onTextChanged: {
                if (length > 90) {
                    var cursor = Math.min(cursorPosition, previous.length)
                    text = previous
                    cursorPosition = cursor
                } else {
                    previous = text
                }
            }
        }
        Label {
            objectName: "textCounter"
            text: area.length + "/90"
            color: Theme.secondaryText
        }
        Row {
            spacing: 12
            anchors.right: parent.right
            BButton {
                text: qsTr("Cancel")
                onClicked: popup.close()
            }
            Button {
                objectName: "textOkButton"
                text: qsTr("OK")
                onClicked: {
                    if (popup.editIndex < 0)
                        project.addTextSlide(area.text)
                    else
                        project.editTextSlide(popup.editIndex, area.text)
                    popup.close()
                }
            }
        }
    }
}
