#include "AccessibleNames.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <set>

namespace plovex {
namespace {

template <typename Visit> void WalkVisible(QAccessibleInterface* node, const Visit& visit)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr || child->state().invisible)
            continue;
        visit(child);
        WalkVisible(child, visit);
    }
}

} // namespace

std::vector<std::string> FocusableNames(QWidget& window)
{
    std::vector<std::string> names;
    WalkVisible(
        QAccessible::queryAccessibleInterface(&window), [&names](QAccessibleInterface* node) {
            if (node->state().focusable)
                names.push_back(node->text(QAccessible::Name).toStdString());
        });
    return names;
}

QAccessibleInterface* FindByRole(QWidget& window, QAccessible::Role role)
{
    std::vector<QAccessibleInterface*> found;
    WalkVisible(QAccessible::queryAccessibleInterface(&window), [&](QAccessibleInterface* node) {
        if (node->role() == role)
            found.push_back(node);
    });
    EXPECT_EQ(found.size(), 1u);
    return found.size() == 1 ? found.front() : nullptr;
}

void ExpectNamedOnce(const std::vector<std::string>& names)
{
    std::set<std::string> seen;
    for (const std::string& name : names) {
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(seen.insert(name).second) << "\"" << name << "\" names two controls";
    }
}

} // namespace plovex
