#pragma once
// The quick link (hoplink): a small window that starts another option of the menu from inside
// a module. Its caption is "Quick Link" or "Lien Rapide", by which modules find it open.

#include "session/link_section.h"
#include "suite_export.h"

extern "C" ORVANT_SUITE_EXPORT void QuickLink(TLinkSection session) noexcept;
