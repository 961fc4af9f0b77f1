#pragma once

#include "framework/object.h"

// An object of one of the matrix library's classes. Its contents belong to
// the library: one pointer that the class's __init entry sets and its __exit
// entry frees. At the library boundary it is a cm_object.
class LibraryObject : public fw::Object {
public:
    void *LibraryData() const { return data_; }
    void SetLibraryData(void *data) { data_ = data; }

private:
    void *data_ = nullptr;
};
