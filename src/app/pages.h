#pragma once

// The pages of the main window, made for the models through olma::pages (common/pagefactory.h).
// Every program with a window, and every test that shows pages, registers them once at start-up.
namespace olma::gui {

// Every page below.
void registerPages();

void registerConfigPages();
void registerDevicePages();
void registerLogPages();

} // namespace olma::gui
