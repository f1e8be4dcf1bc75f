#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/compound_matcher.h"
#include "cli/page_runner.h"
#include "framework/page_layout.h"

namespace chemeng::cli {

// A shown field: the control and the label the page gives it.
struct FieldSpec {
    int id;
    std::string_view label;
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
    int temperatureEdit = 0;
    FieldSpec temperatureField{0, ""};
    int referenceEdit = 0;
    FieldSpec referenceField{0, ""};
    int unitRadios[3] = {0, 0, 0};  // °C, °F, K
    FieldSpec result{0, ""};

    bool computes() const { return temperatureEdit != 0; }
};

// The five compound pages, in tab order.
const std::vector<CompoundPageSpec>& compoundPages();
const CompoundPageSpec* findCompoundPage(std::string_view command);

}  // namespace chemeng::cli
