#pragma once

// Tests reach a window's controls the way a user names them: by their object names.

#include <QObject>
#include <QtGlobal>

#include <stdexcept>
#include <string>

namespace tallywick {

// The child of `parent` called `name`. When there is none the test function fails there, with
// both names, instead of reading a null pointer later.
template <typename Child>
Child* FindChild(const QObject& parent, const char* name)
{
    auto* found = parent.findChild<Child*>(QLatin1String(name));
    if (!found) {
        const std::string text = parent.objectName().toStdString() + " has no " + Child::staticMetaObject.className() +
                                 " called \"" + name + "\"";
        qWarning("%s", text.c_str());
        throw std::runtime_error(text);
    }
    return found;
}

template <typename Child>
Child* FindChild(const QObject* parent, const char* name)
{
    return FindChild<Child>(*parent, name);
}

} // namespace tallywick
