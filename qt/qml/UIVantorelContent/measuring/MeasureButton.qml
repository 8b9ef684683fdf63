import QtQuick
import UIVantorel
import UIVantorelContent

// A button of a measuring page's button row: "info" look with a 16 px icon, its text
// translated in the page's context.
KVRButton {
    property string context
    property string sourceText

    type: "info"
    leftPadding: parent && parent.tightButtons ? 6 : 12
    rightPadding: leftPadding
    text: qsTranslate(context, sourceText)
    icon.width: 16
    icon.height: 16
    icon.color: "white"
}
