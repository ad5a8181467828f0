import QtQuick 2.12
import QtQuick.Controls 2.2

Label {
    color: Theme.text
    font.pixelSize: 28
    font.weight: Font.Light
}
