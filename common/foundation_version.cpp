// The foundation library's own version mark, read back by VersionString.
#include "ui/version.h"

ORVANT_VERSION_MARK
