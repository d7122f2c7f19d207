#pragma once
// What sets one picker apart from the others: the table it lists and the two fields it shows.

namespace orvant::picker {

struct PickerTraits {
    const char* code;       // the library's code ("pickcli"), and its form's name in the language table
    const char* table;      // its declaration says whether it lives in the company or the data root
    const char* codeField;  // what the picker returns
    const char* nameField;  // nullptr: the records have no name, and the list only their codes
};

}  // namespace orvant::picker
