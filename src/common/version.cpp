#include "common/version.h"

namespace qc {

std::string_view toolVersion() {
    return QC_VERSION;
}

}  // namespace qc
