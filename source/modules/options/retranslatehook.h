#pragma once

#include <functional>

// The application-wide retranslation run after the user changes a unit or
// the currency, so that every open page shows the new units and amounts.
// The main window installs it; without one nothing happens.
void setRetranslateAllHook(std::function<void()> hook);
void requestRetranslateAll();
