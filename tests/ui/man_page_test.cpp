// vireon.1 held to the window: each menu of the menu bar is a subsection of MENUS, and every
// command of the menus and of the view's context menu is named there as the window shows it.
#include <QMenu>
#include <QMenuBar>

#include <set>
#include <string>

#include "support/roff_text.h"
#include "window_test_support.h"

namespace vireon::testing {
namespace {

// A caption as the reader sees it: without the mnemonic's ampersand.
std::string Caption(const QAction* action) { return action->text().remove('&').toStdString(); }

// The text of each subsection of MENUS, its lines joined and its spaces single, so that a name
// broken over two source lines still reads as one.
std::map<std::string, std::string> MenuSubsections()
{
    std::map<std::string, std::string> subsections;
    std::string current;
    for (const test::RoffLine& line :
         test::RoffSection(test::ReadRoffPage(VIREON_SOURCE_DIR "/packaging/man/vireon.1"), "MENUS")) {
        if (line.Macro == ".SS") {
            current = line.Text;
            subsections[current];
            continue;
        }
        std::string& text = subsections[current];
        for (char c : line.Text + " ") {
            if (c != ' ' || (!text.empty() && text.back() != ' ')) text += c;
        }
    }
    return subsections;
}

TEST_F(WindowTest, ManPageNamesEveryMenuAndCommand)
{
    const std::map<std::string, std::string> page = MenuSubsections();
    std::map<std::string, const QMenu*> menus{{"Context menu", window->findChild<QMenu*>("pumSatel")}, {"Tool bar", nullptr}};
    for (const QAction* title : window->menuBar()->actions()) menus[Caption(title)] = title->menu();
    std::set<std::string> subsections, wanted;
    for (const auto& [name, text] : page) subsections.insert(name);
    for (const auto& [name, menu] : menus) wanted.insert(name);
    EXPECT_EQ(subsections, wanted) << "a subsection of MENUS for each menu, and none more";
    for (const auto& [name, menu] : menus) {
        if (name == "Tool bar") continue;  // its buttons are the menus' commands
        ASSERT_NE(menu, nullptr) << name;
        const auto text = page.find(name);
        if (text == page.end()) continue;  // reported above
        for (const QAction* item : menu->actions()) {
            if (item->isSeparator()) continue;
            EXPECT_NE(text->second.find(Caption(item)), std::string::npos) << name << " > " << Caption(item);
        }
    }
}

}  // namespace
}  // namespace vireon::testing
