// Whether the calculator has a default call that a remote "start" can run.
#pragma once

class SettingsStore;

// True when the calculator's stored default type and number (section
// "Parametres") are both chosen and the number is not an unset Primaliste
// number. A missing key counts as nothing chosen.
bool DefaultCallConfigured(const SettingsStore& store);
