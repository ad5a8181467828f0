import QtQuick 2.9
import QtQuick.Controls 2.2

Item {
    id: screens
    property alias stack: stackView

    StackView {
        id: stackView
        anchors.fill: parent
        initialItem: appWindow.componentsCache["ThemesScreen"]
    }

    Connections {
        target: templates
        function onTemplateDownloaded() {
            if (stackView.currentItem && stackView.currentItem.objectName === "downloadingScreen") {
                if (render.start())
                    appWindow.navigate("RenderingScreen")
            }
        }
        function onDownloadError() {
            console.log("onBgDownloadError")
            downloadErrorPopup.open()
        }
    }
    Connections {
        target: render
        function onStopped() { appWindow.navigate("SettingsScreen") }
        function onDone() { appWindow.navigate("DoneScreen") }
        function onError() { appWindow.navigate("MainScreen") }
    }
    Connections {
        target: project
        function onMissedImageFiles(files) { missedFilesPopup.show(files) }
    }

    PopupDownloadError { id: downloadErrorPopup }
    PopupMissedImageFiles { id: missedFilesPopup }
}
