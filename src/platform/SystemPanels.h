#pragma once
// The desktop's own settings panels.
namespace ravlet {

// Starts the desktop's network settings (GNOME's, KDE's or NetworkManager's editor, the
// first installed); false when none is.
bool OpenNetworkSettings();
bool NetworkSettingsAvailable();

}  // namespace ravlet
