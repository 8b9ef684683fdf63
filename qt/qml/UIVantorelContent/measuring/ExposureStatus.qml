import QtQuick
import UIVantorel

// "Exposure Status: " and what the device last reported, or that a snapshot is adjusting.
Row {
    id: status

    // Translation context of the page that shows it.
    property string context

    function statusText() {
        if (studioService.isSingle)
            return qsTranslate(context, "Adjusting Exposure")
        // The status belongs to a spectrum the store holds (a sample, or a reference taken or
        // coming in): once the store is cleared there is nothing it describes.
        if (!dataBuffer.hasData && !dataBuffer.hasReference && !studioService.isMeasuringReference)
            return ""
        switch (Number(dataBuffer.expoStatus)) {
        case 2: return qsTranslate(context, "Under Exposure")
        case 0: return qsTranslate(context, "Normal Exposure")
        case 1: return qsTranslate(context, "Over Exposure")
        default: return ""
        }
    }

    Text {
        height: 32
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: 14
        color: ThemeManager.text
        text: qsTranslate(status.context, "Exposure Status: ")
    }
    Text {
        objectName: "exposureStatusText"
        height: 32
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: 14
        color: ThemeManager.text
        text: status.statusText()
    }
}
