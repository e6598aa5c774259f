// ravlet's two context-menu entries. A click asks the page's content script for the menu's
// arguments and hands them to the native messaging host, which starts ravlet.
"use strict";

const api = typeof browser !== "undefined" ? browser : chrome;
const HOST = "net.ravlet.rvbx";
const PAGE_CAPTION = "&Use ravlet on this Page";
const SELECTION_CAPTION = "Use ravlet on this &Selection";

function createMenus() {
  api.contextMenus.removeAll(() => {
    api.contextMenus.create({ id: "ravlet-page", title: PAGE_CAPTION, contexts: ["page"] });
    // The contexts of the old entry's byte 0x32: selections, links and images.
    api.contextMenus.create({
      id: "ravlet-selection",
      title: SELECTION_CAPTION,
      contexts: ["selection", "link", "image"],
    });
  });
}

api.runtime.onInstalled.addListener(createMenus);
api.runtime.onStartup.addListener(createMenus);

function report(answer) {
  const failed = !answer || answer.ok !== true;
  const text = failed ? (answer && answer.error) || String(api.runtime.lastError || "no answer") : "";
  if (failed) console.error("ravlet:", text);
  if (api.action) {
    api.action.setBadgeText({ text: failed ? "!" : "" });
    api.action.setTitle({ title: failed ? "ravlet: " + text : "ravlet" });
  }
  return failed ? { ok: false, error: text } : { ok: true };
}

// Handles a click on one of the entries; the answer of the host ({ok, error}).
async function menuClicked(info, tab) {
  const selection = info.menuItemId === "ravlet-selection";
  let menuArguments;
  try {
    menuArguments = await api.tabs.sendMessage(
      tab.id,
      { type: "ravlet-menu-arguments", selection },
      { frameId: info.frameId || 0 }
    );
  } catch (e) {
    return report({ ok: false, error: "the page did not answer: " + e.message });
  }
  if (!menuArguments) return report({ ok: false, error: "the page did not answer" });
  const message = {
    caption: selection ? SELECTION_CAPTION : PAGE_CAPTION,
    range: selection ? "select" : "",
    menuArguments,
  };
  try {
    return report(await api.runtime.sendNativeMessage(HOST, message));
  } catch (e) {
    return report({ ok: false, error: e.message });
  }
}

api.contextMenus.onClicked.addListener((info, tab) => {
  menuClicked(info, tab);
});

// For tests that drive the browser: the same handler the menu calls.
globalThis.ravletMenuClicked = menuClicked;
