import QtQuick 2.12
import QtQuick.Controls 2.2

Label {
    color: "#E9E9E9"
    font.pixelSize: 28
    font.weight: Font.Light
}
