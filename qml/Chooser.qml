import QtQuick 2.9
import QtQuick.Dialogs 1.2

// A file chooser that opens in `startFolder`. The folder is given again once the chooser is
// open: the first time a chooser shows, the folder given before is not applied to Qt's own one.
FileDialog {
    property url startFolder
    function show() {
        open()
        folder = startFolder
    }
}
