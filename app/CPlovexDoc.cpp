#include "app/CPlovexDoc.h"

namespace plovex {

CPlovexDoc::CPlovexDoc(QObject* parent)
    : QObject(parent)
{
}

} // namespace plovex
