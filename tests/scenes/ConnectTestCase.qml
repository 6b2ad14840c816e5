import QtQuick 2.15
import QtTest 1.15

// Helpers shared by the connection page tests: typing, finding items by
// object name and reading a page's notices.
TestCase {
    when: windowShown

    function typeText(text) {
        for (var i = 0; i < text.length; ++i)
            keyClick(text.charAt(i))
    }

    // Clicks into a field, selects everything and types the text over it.
    function replaceText(field, text) {
        mouseClick(field)
        keyClick(Qt.Key_A, Qt.ControlModifier)
        typeText(text)
    }

    function child(parent, name) {
        var item = findChild(parent, name)
        verify(item !== null, "no item named " + name)
        return item
    }

    // An item that appears a moment later (list entries are made when the
    // list is next laid out).
    function waitChild(parent, name, timeout) {
        tryVerify(function() { return findChild(parent, name) !== null }, timeout || 3000, "item " + name + " appears")
        return findChild(parent, name)
    }

    // The texts of a page's notices that are still shown, oldest first.
    function notices(page) {
        var toast = child(page, "pageToast")
        var texts = []
        for (var i = 0; i < toast.toasts.length; ++i)
            texts.push(toast.toasts[i].message)
        return texts
    }

    function waitForNotice(page, text, timeout) {
        tryVerify(function() { return notices(page).indexOf(text) >= 0 }, timeout || 3000,
                  "notice \"" + text + "\" shown; shown: " + JSON.stringify(notices(page)))
    }

    // Saves a picture of the window's content when pictures are wanted
    // (QM_SCENE_SHOT_DIR), to look at what a test shows.
    function shot(item, name) {
        if (sceneTest.shotDir === "")
            return
        var saved = false
        item.grabToImage(function(result) {
            result.saveToFile(sceneTest.shotDir + "/" + name + ".png")
            saved = true
        })
        tryVerify(function() { return saved }, 3000, "picture " + name + " taken")
    }

    function logCount(text) {
        return sceneTest.logText().split(text).length - 1
    }

    function logHas(text) {
        return sceneTest.logText().indexOf(text) >= 0
    }
}
