#include "error.h"

namespace tenvex {

RuntimeError::RuntimeError(ErrorKind kind, const std::string &message)
    : std::runtime_error(message)
    , m_kind(kind)
{}

FloatingPointError::FloatingPointError(const std::string &message)
    : RuntimeError(ErrorKind::FloatingPoint, message)
{}

} // namespace tenvex
