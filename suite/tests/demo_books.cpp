#include "testing/../../suite/tests/demo_books.h"
