#pragma once

#include <QString>

#include <functional>
#include <map>

class QWidget;

namespace dravex {

class ScreenHost;

// Builds a window by its name; the window registry calls it on first showing.
using ScreenFactory = std::function<QWidget *(ScreenHost &)>;
using ScreenCatalog = std::map<QString, ScreenFactory>;

// Each calculation area adds its windows.
void addMeasurementTableScreens(ScreenCatalog &catalog);
void addConversionScreens(ScreenCatalog &catalog);
void addGaugingScreens(ScreenCatalog &catalog);
void addAdditiveScreens(ScreenCatalog &catalog);
void addCalculatorScreens(ScreenCatalog &catalog);

// Every calculator screen and notice window that screens raise.
ScreenCatalog AllScreens();

} // namespace dravex
