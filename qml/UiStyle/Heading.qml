import QtQuick 2.12
import QtQuick.Controls 2.2

Label {
    color: Theme.text
    font.pixelSize: Theme.fontHeading
    font.weight: Font.Light
}
