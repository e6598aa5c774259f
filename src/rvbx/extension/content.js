// Records what ravlet's menu entries need from the page at the moment the context menu
// opens: the pointer position and the element under it. The selection is read when the
// selection entry is clicked.
"use strict";

let lastMenu = null;

document.addEventListener(
  "contextmenu",
  (event) => {
    const element = document.elementFromPoint(event.clientX, event.clientY);
    lastMenu = {
      clientX: event.clientX,
      clientY: event.clientY,
      outerHTML: element ? element.outerHTML : null,
    };
  },
  true
);

// The HTML of the selection: its ranges' contents, as the page's markup.
function selectionHtml() {
  const selection = window.getSelection();
  if (!selection || selection.rangeCount === 0) return "";
  const box = document.createElement("div");
  for (let i = 0; i < selection.rangeCount; i++) {
    box.appendChild(selection.getRangeAt(i).cloneContents());
  }
  return box.innerHTML;
}

chrome.runtime.onMessage.addListener((request, sender, sendResponse) => {
  if (!request || request.type !== "ravlet-menu-arguments") return false;
  const menu = lastMenu || { clientX: 0, clientY: 0, outerHTML: null };
  sendResponse({
    event: { clientX: menu.clientX, clientY: menu.clientY },
    document: {
      elementFromPoint: menu.outerHTML === null ? null : { outerHTML: menu.outerHTML },
      selection: { createRange: { htmlText: request.selection ? selectionHtml() : "" } },
    },
    location: { href: location.href },
  });
  return false;
});
