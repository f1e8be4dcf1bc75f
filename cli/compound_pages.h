#pragma once

#include <string_view>
#include <vector>

#include "compounds/compound_picker.h"
#include "pages/page_catalogue.h"

namespace chemeng::cli {

// What a shown field holds, and so how the command line reads and labels it.
enum class FieldRole {
    Text,         // a name or formula, printed as shown
    Number,       // a constant of the compound; the unit is fixed
    Temperature,  // a typed temperature; labelled with the user's unit
    Result,       // the computed value
};

// A field of a page: its control, the command line's key and label (with
// the unit it means; the page's own misspelt labels stay in the window) and
// the table cell its full-precision value comes from (-1: none).
struct FieldSpec {
    int id = 0;
    std::string_view key;
    std::string_view label;
    std::string_view unit;
    FieldRole role = FieldRole::Number;
    int cell = -1;
    double scale = 1.0;  // the value shown is the cell's number times this
};

// Where a page's picker takes a compound from, and where it shows it.
struct PickerView {
    PickerControls controls;
    int nameDisplay;
    int formulaDisplay;
};

// How the command line works one compound page: its picker, the fields it
// shows for a compound, its inputs and its result. Control numbers are the
// pages' own.
struct CompoundPageSpec {
    std::string_view command;  // "physical", "heat-capacity", ...
    PageKind page;
    PickerView picker;
    std::vector<FieldSpec> compoundFields;
    std::vector<FieldSpec> gasFields;     // shown with the gas phase (or always, without phases)
    std::vector<FieldSpec> liquidFields;  // shown with the liquid phase
    int gasRadio = 0;
    int liquidRadio = 0;
    FieldSpec temperature;
    FieldSpec reference;            // id 0 on pages without a reference temperature
    int unitRadios[3] = {0, 0, 0};  // °C, °F, K
    FieldSpec result;
    // The kelvin the page adds to °C and to (°F - 32) * 5/9.
    double celsiusOffset_K = 273.15;
    double fahrenheitOffset_K = 273.15;

    bool computes() const { return temperature.id != 0; }
    bool hasPhases() const { return gasRadio != 0; }
    bool hasReference() const { return reference.id != 0; }
};

// The five compound pages, in tab order.
const std::vector<CompoundPageSpec>& compoundPages();
const CompoundPageSpec* findCompoundPage(std::string_view command);

}  // namespace chemeng::cli
