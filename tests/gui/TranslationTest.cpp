#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "document/DocumentCodec.h"
#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/TokenList.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/CPointsDlg.h"
#include "help/CHelpDlg.h"
#include "platform/ByteText.h"
#include "platform/DialogControls.h"
#include "platform/StringTable.h"
#include "platform/Translations.h"
#include "render/GraphRenderer.h"
#include "render/Integration.h"
#include "render/PointFinder.h"
#include "res/Resource.h"
#include "view/CPlovexView.h"
#include "view/EngineTexts.h"
#include "view/FormTemplates.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTranslator>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace plovex {
namespace {

const QString kBuiltTranslations = QStringLiteral(PLOVEX_TEST_TRANSLATIONS);

struct Language {
    const char* locale;
    const char* name; // what Install reports
    std::vector<std::string> menuBar; // with a graph open
};

const Language kLanguages[] = {
    { "de_DE", "de", { "&Datei", "B&earbeiten", "&Ansicht", "E&xtras", "&Fenster", "&Hilfe" } },
    { "fr_FR", "fr", { "&Fichier", "&Édition", "&Affichage", "&Outils", "Fe&nêtre", "Ai&de" } },
    { "es_ES", "es", { "&Archivo", "E&dición", "&Ver", "&Herramientas", "V&entana", "Ay&uda" } },
    { "pt_BR", "pt_BR", { "&Arquivo", "&Editar", "E&xibir", "&Ferramentas", "&Janela", "Aj&uda" } },
};

// The program's translation and Qt's for `language` while it lives.
class Translated {
public:
    explicit Translated(const Language& language)
        : m_name(m_translations.Install({ language.locale }, { kBuiltTranslations }))
    { }
    const QString& Name() const { return m_name; }

private:
    Translations m_translations;
    QString m_name;
};

bool HasLetters(const char* text)
{
    for (const QChar c : QString::fromUtf8(text)) {
        if (c.isLetter())
            return true;
    }
    return false;
}

QString Translate(const char* context, const QString& source)
{
    return QCoreApplication::translate(context, source.toUtf8().constData());
}

// The key that Alt takes to with `text`, "" for none: "E&xit" gives "X".
QString Mnemonic(const QString& text)
{
    return QKeySequence::mnemonic(text).toString().remove(QStringLiteral("Alt+")).toUpper();
}

// Names every text among `texts` whose mnemonic another one uses already.
void ExpectUniqueMnemonics(const QString& where, const QStringList& texts)
{
    std::map<QString, QString> used;
    for (const QString& text : texts) {
        const QString key = Mnemonic(text);
        if (key.isEmpty())
            continue;
        const auto [it, added] = used.emplace(key, text);
        EXPECT_TRUE(added) << where.toStdString() << ": " << text.toStdString() << " and "
                           << it->second.toStdString() << " share Alt+" << key.toStdString();
    }
}

QStringList MenuTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    return texts;
}

std::vector<std::string> MenuBar(const CMainFrame& frame)
{
    std::vector<std::string> titles;
    for (const QAction* action : frame.menuBar()->actions())
        titles.push_back(action->text().toStdString());
    return titles;
}

int VisibleActions(const QMenu& menu)
{
    int count = 0;
    for (const QAction* action : menu.actions())
        count += action->isVisible() && !action->isSeparator() ? 1 : 0;
    return count;
}

TEST(Translations, EveryTextOfTheStringTableAndTheTemplatesIsTranslated)
{
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.locale);
        QTranslator translator;
        ASSERT_TRUE(
            translator.load(QString("plovex_%1.qm").arg(language.name), kBuiltTranslations));
        const StringTable& table = StringTable::Application();
        for (const int id : table.Ids()) {
            SCOPED_TRACE(id);
            const QString english = table.Text(id);
            const QString text = translator.translate("StringTable", english.toUtf8().constData());
            EXPECT_FALSE(text.isEmpty());
            // A prompt and its tooltip, the fields of the document string: the parts stay.
            EXPECT_EQ(text.count('\n'), english.count('\n'));
        }
        // The file dialogs' filter still names the documents' pattern.
        const QString documents
            = translator.translate("StringTable", table.Text(res::kGraphType).toUtf8().constData());
        EXPECT_TRUE(documents.section('\n', 3, 3).endsWith(" (*.pxg)")) << documents.toStdString();
        for (const DialogTemplate* dialog : DialogTemplates()) {
            SCOPED_TRACE(dialog->id);
            const QList<const char*> captions = [dialog] {
                QList<const char*> all { dialog->caption };
                for (const ControlTemplate& control : dialog->controls)
                    all << control.caption;
                return all;
            }();
            for (const char* caption : captions) {
                SCOPED_TRACE(caption);
                // Signs ("+"), resource paths and the title alone need no translation.
                if (!HasLetters(caption) || QByteArray(caption).startsWith(":/"))
                    continue;
                EXPECT_FALSE(translator.translate(kTemplateContext, caption).isEmpty());
            }
        }
        // Qt's own dialogs come in the same language.
        const Translated translated(language);
        EXPECT_EQ(translated.Name(), language.name);
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    }
}

class TranslatedShell : public ShellTest { };

TEST_F(TranslatedShell, MenusShowTheLanguageWithOneMnemonicPerKey)
{
    int englishSystemMenu = 0;
    {
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({}));
        englishSystemMenu = VisibleActions(*app.MainFrame().ChildFrames().front()->systemMenu());
    }
    DeleteClosedWindows();
    // English too: the sources must keep one key per item as well.
    const Language english { "en_US", "",
        { "&File", "&Edit", "&View", "&Tools", "&Window", "&Help" } };
    std::vector<const Language*> languages { &english };
    for (const Language& language : kLanguages)
        languages.push_back(&language);
    for (const Language* shown : languages) {
        const Language& language = *shown;
        SCOPED_TRACE(language.locale);
        const Translated translated(language);
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({}));
        const CMainFrame& frame = app.MainFrame();
        EXPECT_EQ(MenuBar(frame), language.menuBar);
        QStringList titles;
        for (const QAction* action : frame.menuBar()->actions()) {
            titles << action->text();
            if (const QMenu* menu = action->menu())
                ExpectUniqueMnemonics(action->text(), MenuTexts(*menu));
        }
        ExpectUniqueMnemonics("menu bar", titles);
        CChildFrame& child = *frame.ChildFrames().front();
        ExpectUniqueMnemonics("graph menu", MenuTexts(*ViewOf(child).GraphMenu()));
        // Lists whose actions make their context menus.
        for (const QWidget* widget : frame.findChildren<QWidget*>()) {
            if (widget->contextMenuPolicy() != Qt::ActionsContextMenu)
                continue;
            QStringList texts;
            for (const QAction* action : widget->actions())
                texts << action->text();
            ExpectUniqueMnemonics(widget->objectName() + " menu", texts);
        }
        // Qt's translated texts still find the window-menu items a graph window cannot do.
        EXPECT_EQ(VisibleActions(*child.systemMenu()), englishSystemMenu);
        ExpectUniqueMnemonics("save prompt",
            { Translate("FileDialogService", "&Save"), Translate("FileDialogService", "&Discard"),
                Translate("FileDialogService", "&Cancel") });
        for (const DialogTemplate* dialog : DialogTemplates()) {
            // The form lies in the main window, whose menus have their Alt keys already.
            QStringList captions = dialog == &GraphFormTemplate() ? titles : QStringList();
            for (const ControlTemplate& control : dialog->controls)
                captions << DialogControls::Caption(control.caption);
            ExpectUniqueMnemonics(QString("template %1").arg(dialog->id), captions);
        }
    }
}

// Whether `text` shows whole in `widget`, which draws it in its own font.
bool Fits(const QWidget& widget, const QString& shown)
{
    const QFontMetrics metrics(widget.font());
    const QStyle& style = *widget.style();
    int room = widget.width();
    if (qobject_cast<const QPushButton*>(&widget) != nullptr)
        room -= 2 * 4; // the bevel and a little air on either side
    else if (qobject_cast<const QCheckBox*>(&widget) != nullptr)
        room -= style.pixelMetric(QStyle::PM_IndicatorWidth)
            + style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    else if (const auto* label = qobject_cast<const QLabel*>(&widget))
        room -= 2 * label->frameWidth();
    const QStringList lines = QString(shown).remove('&').split('\n');
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) > room)
            return false;
    }
    return static_cast<int>(lines.size()) * metrics.height() <= widget.height();
}

QString ShownText(const QWidget& widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    return QString();
}

// The Points window counts in each language's plural forms, agreeing with what it counts.
TEST_F(TranslatedShell, ThePointsFoundAreCountedInTheLanguagesPluralForms)
{
    const struct {
        const char* locale;
        std::vector<std::string> summaries; // 0, 1 and 2 roots; 1 and 2 minima and maxima
    } cases[] = {
        { "en_US",
            { "Roots of y = x^2+1 for x from -30.5 to 30.4: none found.",
                "Roots of y = x for x from -30.5 to 30.4: 1 found.",
                "Roots of y = x^2-1 for x from -30.5 to 30.4: 2 found.",
                "Minima and maxima of y = x^2-1 for x from -30.5 to 30.4: 1 found.",
                "Minima and maxima of y = x^3-x for x from -30.5 to 30.4: 2 found." } },
        { "de_DE",
            { "Nullstellen von y = x^2+1 für x von -30.5 bis 30.4: keine gefunden.",
                "Nullstellen von y = x für x von -30.5 bis 30.4: 1 gefunden.",
                "Nullstellen von y = x^2-1 für x von -30.5 bis 30.4: 2 gefunden.",
                "Minima und Maxima von y = x^2-1 für x von -30.5 bis 30.4: 1 gefunden.",
                "Minima und Maxima von y = x^3-x für x von -30.5 bis 30.4: 2 gefunden." } },
        { "fr_FR",
            { "Racines de y = x^2+1 pour x de -30.5 à 30.4 : aucune trouvée.",
                "Racines de y = x pour x de -30.5 à 30.4 : 1 trouvée.",
                "Racines de y = x^2-1 pour x de -30.5 à 30.4 : 2 trouvées.",
                "Minimums et maximums de y = x^2-1 pour x de -30.5 à 30.4 : 1 trouvé.",
                "Minimums et maximums de y = x^3-x pour x de -30.5 à 30.4 : 2 trouvés." } },
        { "es_ES",
            { "Raíces de y = x^2+1 para x de -30.5 a 30.4: no se encontró ninguna.",
                "Raíces de y = x para x de -30.5 a 30.4: 1 encontrada.",
                "Raíces de y = x^2-1 para x de -30.5 a 30.4: 2 encontradas.",
                "Mínimos y máximos de y = x^2-1 para x de -30.5 a 30.4: 1 encontrado.",
                "Mínimos y máximos de y = x^3-x para x de -30.5 a 30.4: 2 encontrados." } },
        { "pt_BR",
            { "Raízes de y = x^2+1 para x de -30.5 a 30.4: nenhuma encontrada.",
                "Raízes de y = x para x de -30.5 a 30.4: 1 encontrada.",
                "Raízes de y = x^2-1 para x de -30.5 a 30.4: 2 encontradas.",
                "Mínimos e máximos de y = x^2-1 para x de -30.5 a 30.4: 1 encontrado.",
                "Mínimos e máximos de y = x^3-x para x de -30.5 a 30.4: 2 encontrados." } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        const Language language { c.locale, "", {} };
        const Translated translated(language);
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({}));
        CPlovexView& view = ViewOf(Active(app));
        std::vector<std::string> summaries;
        const auto find = [&](const char* expression, int command) {
            TypeAndPlot(view, expression);
            Trigger(app, command);
            summaries.push_back(app.MainFrame().PointsWindow().Summary()->text().toStdString());
        };
        find("x^2+1", res::kCmdFindRoots);
        find("x", res::kCmdFindRoots);
        find("x^2-1", res::kCmdFindRoots);
        find("x^2-1", res::kCmdFindExtrema);
        find("x^3-x", res::kCmdFindExtrema);
        EXPECT_EQ(summaries, c.summaries);
    }
}

TEST(Translations, NoCaptionIsClipped)
{
    const Language english { "en_US", "", {} };
    std::vector<const Language*> languages { &english };
    for (const Language& language : kLanguages)
        languages.push_back(&language);
    for (const Language* language : languages) {
        SCOPED_TRACE(language->locale);
        const Translated translated(*language);
        for (const DialogTemplate* dialog : DialogTemplates()) {
            SCOPED_TRACE(dialog->id);
            QWidget window;
            DialogControls controls;
            controls.Create(window, *dialog);
            const QList<QWidget*> widgets
                = window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            ASSERT_EQ(widgets.size(), static_cast<qsizetype>(dialog->controls.size()));
            for (const QWidget* widget : widgets) {
                const QString shown = ShownText(*widget);
                SCOPED_TRACE(shown.toStdString());
                EXPECT_TRUE(shown.isEmpty() || Fits(*widget, shown));
            }
            if (dialog == &HelpDialogTemplate()) {
                // The topics the window lists.
                const CHelpDlg help;
                const QListWidget& topics = *help.findChild<QListWidget*>();
                for (int i = 0; i < topics.count(); ++i) {
                    SCOPED_TRACE(topics.item(i)->text().toStdString());
                    EXPECT_LE(topics.fontMetrics().horizontalAdvance(topics.item(i)->text()) + 4,
                        topics.contentsRect().width());
                }
            }
            if (dialog != &GraphFormTemplate())
                continue;
            // The form's status shows the renderer's words too.
            const QWidget& status = *controls.Item(res::kStatusStatic);
            for (const char* word : { "WORKING", "DONE", "STOPPED" }) {
                SCOPED_TRACE(word);
                EXPECT_TRUE(Fits(status, EngineTexts::Status(word)));
            }
        }
    }
}

// The window words the engine's and the renderer's texts itself, so that it can translate
// them; in English they read exactly as the command line prints them.
TEST(Translations, TheWindowsEnglishIsTheCommandLines)
{
    for (const char* expression :
        { "x+@", "x+\xCF\x80", "x+\xE9", ")", "y", "sinn(x)", "e^x", "x" }) {
        SCOPED_TRACE(expression);
        TokenList queue;
        TokenList operators;
        std::string postfix;
        const ParseResult result = Parse(expression, false, queue, operators, postfix);
        EXPECT_EQ(
            EngineTexts::ParseError(result, expression), BytesToTextAs(result.message, expression));
    }
    {
        TokenList queue;
        TokenList operators;
        std::string postfix;
        const ParseResult result
            = Parse("t+x", ExpressionNames::Curve(), queue, operators, postfix);
        EXPECT_EQ(EngineTexts::ParseError(result, "t+x"), QString::fromStdString(result.message));
    }
    EXPECT_EQ(EngineTexts::SweepStall(100000.0f, 3.5f),
        QString::fromStdString(SweepStallText(100000.0f, 3.5f)));
    EXPECT_EQ(EngineTexts::IntegralStop(262144.0f, -INFINITY),
        QString::fromStdString(IntegralStopText(262144.0f, -INFINITY, FormatFixed)));
    for (const InfoField& info :
        { InfoField {}, InfoField::Of({ 1.5, -0.25, NAN }), InfoField::StoppedRendering() })
        EXPECT_EQ(EngineTexts::Statistics(info), QString::fromStdString(InfoText(info)));
    for (const std::vector<std::uint8_t>& bytes : std::vector<std::vector<std::uint8_t>> {
             {}, { 0xFF, 0x01 }, { 0xFF, 0xFF, 0xFF, 0x00 }, { 5, 'x' } }) {
        const DecodedDocument decoded = DecodeDocument(bytes);
        ASSERT_FALSE(decoded.ok);
        EXPECT_EQ(EngineTexts::DocumentRefusalText(decoded.error),
            QString::fromStdString(DocumentErrorText(decoded.error)));
    }
    EXPECT_EQ(EngineTexts::PointLimit(), QString::fromStdString(PointLimitText()));
    for (const TableRefusal refusal : { TableRefusal::None, TableRefusal::BadStep,
             TableRefusal::BadLimit, TableRefusal::AwayFromTo, TableRefusal::TooManyRows })
        EXPECT_EQ(EngineTexts::TableRefusalText(refusal),
            QString::fromStdString(TableRefusalText(refusal)));
    for (const char* status : { "WORKING", "DONE", "STOPPED", "(3,-4) *" })
        EXPECT_EQ(EngineTexts::Status(status), status);
}

TEST(Translations, EnglishWhereNoTranslationCanBeRead)
{
    const QTemporaryDir folder;
    QFile built(kBuiltTranslations + "/plovex_de.qm");
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QByteArray good = built.readAll();
    struct Case {
        const char* what;
        QByteArray bytes; // written as plovex_de.qm; empty for no file
    };
    const Case cases[] = {
        { "missing", {} },
        { "empty", QByteArray("", 0) },
        { "not a translation", QByteArray("Plovex translation for German\n") },
        { "cut short", good.left(good.size() / 2) },
        { "cut after the header", good.left(16) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = folder.filePath("plovex_de.qm");
        QFile::remove(path);
        if (c.bytes.data() != nullptr && QByteArray(c.what) != "missing") {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.bytes);
        }
        Translations translations;
        EXPECT_EQ(translations.Install({ "de_DE" }, { folder.path() }), "");
        EXPECT_EQ(LoadString(57345), "Ready");
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    }
}

TEST(Translations, TheFirstLanguageThatIsEnglishOrTranslatedWins)
{
    struct Case {
        QStringList languages;
        const char* expected;
        const char* ready;
    };
    const Case cases[] = {
        { { "de" }, "de", "Bereit" },
        { { "de-AT", "de" }, "de", "Bereit" },
        { { "fr-CA", "fr", "de" }, "fr", "Prêt" }, // French of any country
        { { "it", "es" }, "es", "Listo" }, // no Italian: the next language
        { { "en-GB", "de" }, "", "Ready" }, // the sources are English
        { { "C", "de" }, "", "Ready" },
        { { "pt-PT", "fr" }, "fr", "Prêt" }, // the Portuguese is Brazil's
        { { "pt-BR", "pt" }, "pt_BR", "Pronto" },
        { { "it" }, "", "Ready" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.languages.join(':').toStdString());
        Translations translations;
        EXPECT_EQ(translations.Install(c.languages, { kBuiltTranslations }), c.expected);
        EXPECT_EQ(LoadString(57345), c.ready);
    }
    EXPECT_EQ(LoadString(57345), "Ready");
}

} // namespace
} // namespace plovex
