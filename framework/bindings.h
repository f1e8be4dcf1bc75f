#pragma once

#include <string>
#include <variant>
#include <vector>

namespace chemeng {

class Dialog;

// A page's data exchange: which member each edit shows. push() writes every
// bound member into its control, texts as held and doubles in the general
// format (see formatGeneral); it also declares every double's edit a number
// field to the dialog.
class Bindings {
  public:
    void bind(int controlId, const std::string* text);
    void bind(int controlId, const double* value);

    void push(Dialog& dialog) const;

  private:
    struct Binding {
        int controlId;
        std::variant<const std::string*, const double*> member;
    };
    std::vector<Binding> m_bindings;
};

}  // namespace chemeng
