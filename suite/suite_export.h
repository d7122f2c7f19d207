#pragma once
// The suite's libraries are built with hidden visibility: only the functions marked so are
// reachable by the modules that link or load them.

#define ORVANT_SUITE_EXPORT __attribute__((visibility("default")))
