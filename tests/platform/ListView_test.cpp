#include "platform/Errors.h"
#include "platform/ListView.h"
#include "platform/SlotList.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBrush>
#include <QHBoxLayout>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

using namespace platform;

namespace {

// What the user list should hold, kept the plain way: lookups by linear scan.
struct Row {
    QString text;
    int icon = 0;
    QString subItem1;
    std::optional<QColor> color;
};

struct Reference {
    std::vector<Row> rows;

    template <class Matches>
    QList<int> where(Matches matches) const
    {
        QList<int> r;
        for (size_t i = 0; i < rows.size(); ++i)
            if (matches(rows[i]))
                r << int(i);
        return r;
    }
    QList<int> findAll(const QString& t) const
    {
        return where([&](const Row& r) { return r.text == t; });
    }
    int find(const QString& t) const
    {
        const QList<int> all = findAll(t);
        return all.isEmpty() ? -1 : all.first();
    }
    QList<int> findBySubItem1(const QString& v) const
    {
        return where([&](const Row& r) { return r.subItem1 == v; });
    }
};

QPixmap solid(const QColor& c)
{
    QPixmap p(15, 15);
    p.fill(c);
    return p;
}

const QList<QColor> kPictureColors{Qt::red, Qt::green, Qt::blue, Qt::magenta};

// Fails the test on any complaint of Qt's model checker.
QStringList modelFaults;
QtMessageHandler previousHandler = nullptr;
void collectModelFaults(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains("FAIL!"))
        modelFaults << message;
    else if (previousHandler)
        previousHandler(type, context, message);
}

// The main window's pair: the user list and its list box twin, shown.
class UserListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(list);
        layout->addWidget(box);
        list->setColumns({"Usuarios", "Ip Virtual"}, {120, 120});
        for (const QColor& c : kPictureColors)
            pictures << solid(c);
        list->setImageList(pictures);
        window.resize(500, 400);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        modelFaults.clear();
        previousHandler = qInstallMessageHandler(collectModelFaults);
        listTester.emplace(list->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
        boxTester.emplace(box->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    }
    void TearDown() override
    {
        listTester.reset();
        boxTester.reset();
        qInstallMessageHandler(previousHandler);
        EXPECT_TRUE(modelFaults.isEmpty()) << modelFaults.join('\n').toStdString();
    }

    void add(const QString& text, int icon, const std::optional<QString>& host)
    {
        QSignalSpy inserted(list->model(), &QAbstractItemModel::rowsInserted);
        box->addItem(text);
        const int p = list->add(text, icon);
        ASSERT_EQ(p, int(ref.rows.size()));
        ASSERT_EQ(inserted.size(), 1);
        EXPECT_EQ(inserted[0][1].toInt(), p);
        EXPECT_EQ(inserted[0][2].toInt(), p);
        if (host)
            list->setSubItem(p, 1, *host);
        ref.rows.push_back({text, icon, host.value_or(QString()), {}});
    }
    void remove(int p)
    {
        QSignalSpy removed(list->model(), &QAbstractItemModel::rowsRemoved);
        box->removeItem(p);
        list->remove(p);
        ASSERT_EQ(removed.size(), 1);
        EXPECT_EQ(removed[0][1].toInt(), p);
        EXPECT_EQ(removed[0][2].toInt(), p);
        ref.rows.erase(ref.rows.begin() + p);
    }
    void clear()
    {
        list->clear();
        box->clear();
        ref.rows.clear();
    }

    void expectSameAsReference(const QStringList& nicks, const QStringList& hosts)
    {
        const QAbstractItemModel* m = list->model();
        ASSERT_EQ(list->count(), int(ref.rows.size()));
        ASSERT_EQ(box->count(), int(ref.rows.size()));
        ASSERT_EQ(m->rowCount(), int(ref.rows.size()));
        for (int p = 0; p < int(ref.rows.size()); ++p) {
            const Row& r = ref.rows[size_t(p)];
            SCOPED_TRACE(p);
            EXPECT_EQ(list->text(p), r.text);
            EXPECT_EQ(box->item(p), r.text);
            EXPECT_EQ(list->smallIcon(p), r.icon);
            EXPECT_EQ(list->subItem(p, 1), r.subItem1);
            EXPECT_EQ(list->foreColor(p), r.color);

            EXPECT_EQ(m->data(m->index(p, 0)).toString(), r.text);
            EXPECT_EQ(m->data(m->index(p, 1)).toString(), r.subItem1);
            const qint64 picture = m->data(m->index(p, 0), Qt::DecorationRole).value<QPixmap>().cacheKey();
            for (int k = 1; k <= pictures.size(); ++k)
                EXPECT_EQ(picture == pictures[k - 1].cacheKey(), k == r.icon) << "picture " << k;
            const QVariant brush = m->data(m->index(p, 1), Qt::ForegroundRole);
            if (r.color)
                EXPECT_EQ(brush.value<QBrush>().color(), *r.color);
            else
                EXPECT_FALSE(brush.isValid());
        }
        for (const QString& n : nicks) {
            EXPECT_EQ(list->find(n), ref.find(n)) << n.toStdString();
            EXPECT_EQ(list->findAll(n), ref.findAll(n)) << n.toStdString();
        }
        for (const QString& h : hosts) {
            EXPECT_EQ(list->findBySubItem1(h), ref.findBySubItem1(h)) << h.toStdString();
            EXPECT_EQ(list->findBySubItem1(h, 2), ref.findBySubItem1(h).mid(0, 2)) << h.toStdString();
        }
    }

    QWidget window;
    ListView* list = new ListView;
    ListBox* box = new ListBox;
    QList<QPixmap> pictures;
    Reference ref;
    std::optional<QAbstractItemModelTester> listTester;
    std::optional<QAbstractItemModelTester> boxTester;
};

// One step of a scripted sequence; a negative position counts from the end
// (-1 is the last entry).
struct Step {
    enum Kind { Add, Remove, SetHost, SetColor, SetIcon, Clear } kind;
    QString text;
    int icon;
    std::optional<QString> host;
    int position;
    QColor color;
};
Step adding(const QString& text, int icon, std::optional<QString> host)
{
    return {Step::Add, text, icon, std::move(host), 0, {}};
}
Step removing(int p) { return {Step::Remove, {}, 0, {}, p, {}}; }
Step hosting(int p, const QString& host) { return {Step::SetHost, {}, 0, host, p, {}}; }
Step colouring(int p, const QColor& c) { return {Step::SetColor, {}, 0, {}, p, c}; }
Step iconing(int p, int icon) { return {Step::SetIcon, {}, icon, {}, p, {}}; }
Step clearing() { return {Step::Clear, {}, 0, {}, 0, {}}; }

TEST_F(UserListTest, ScriptedSequenceMatchesPlainList)
{
    const QColor own(149, 183, 244);
    const QColor silver(192, 192, 192);
    const std::vector<Step> steps{
        adding("ana", 1, "h1"),
        adding("luis", 4, std::nullopt),
        adding("pepe", 1, "h2"),
        adding("ana", 3, "h1"),  // the same nick twice
        adding("Ana", 1, "h1"),  // another nick: case counts
        adding("yo", 3, "hY"),
        colouring(-1, own),
        removing(0),  // the start: the second "ana" is found now
        adding("marta", 1, "h1"),
        removing(2),   // the middle
        removing(-1),  // the end
        hosting(0, "h2"),
        colouring(1, silver),
        iconing(1, 2),
        iconing(0, 9),  // past the pictures: no icon
        adding("ana", 0, ""),
        clearing(),
        adding("ana", 1, "h1"),
        adding("ana", 1, "h1"),
        removing(-1),
        removing(0),
        adding("luis", 2, "h2"),
    };
    const QStringList nicks{"ana", "Ana", "luis", "pepe", "yo", "marta", "nadie", ""};
    const QStringList hosts{"h1", "h2", "hY", "", "h3"};
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        SCOPED_TRACE("step " + std::to_string(i));
        const int p = s.position < 0 ? int(ref.rows.size()) + s.position : s.position;
        switch (s.kind) {
        case Step::Add: add(s.text, s.icon, s.host); break;
        case Step::Remove: remove(p); break;
        case Step::SetHost:
            list->setSubItem(p, 1, *s.host);
            ref.rows[size_t(p)].subItem1 = *s.host;
            break;
        case Step::SetColor:
            list->setForeColor(p, s.color);
            ref.rows[size_t(p)].color = s.color;
            break;
        case Step::SetIcon:
            list->setSmallIcon(p, s.icon);
            ref.rows[size_t(p)].icon = s.icon;
            break;
        case Step::Clear: clear(); break;
        }
        expectSameAsReference(nicks, hosts);
        if (HasFailure())
            return;
    }
}

// A room that fills and empties again and again: enough removals to renumber
// the slots many times, with nicks and host keys that repeat.
TEST_F(UserListTest, LongRandomSequenceMatchesPlainList)
{
    QStringList nicks, hosts{""};
    for (int i = 0; i < 60; ++i)
        nicks << QString("n%1").arg(i);
    for (int i = 0; i < 8; ++i)
        hosts << QString("h%1").arg(i);
    std::mt19937 rng(1234);
    auto pick = [&](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };

    int step = 0;
    for (const auto& [high, low] : std::vector<std::pair<int, int>>{{300, 20}, {150, 0}, {400, 100}, {250, 5}}) {
        for (const int target : {high, low}) {
            while (int(ref.rows.size()) != target) {
                SCOPED_TRACE("step " + std::to_string(step++));
                const int size = int(ref.rows.size());
                const bool grow = size < target ? pick(4) != 0 : pick(4) == 0;
                if (grow || size == 0) {
                    const int h = pick(hosts.size() + 1);
                    add(nicks[pick(nicks.size())], pick(6),
                        h == hosts.size() ? std::nullopt : std::optional<QString>(hosts[h]));
                } else {
                    // The ends as often as the rest.
                    const int where = pick(4);
                    remove(where == 0 ? 0 : where == 1 ? size - 1 : pick(size));
                }
                if (size > 0 && pick(10) == 0) {
                    const int p = pick(int(ref.rows.size()));
                    const QString h = hosts[pick(hosts.size())];
                    list->setSubItem(p, 1, h);
                    ref.rows[size_t(p)].subItem1 = h;
                }
                if (step % 25 == 0)
                    expectSameAsReference(nicks, hosts);
                if (HasFailure())
                    return;
            }
            expectSameAsReference(nicks, hosts);
        }
    }
    clear();
    expectSameAsReference(nicks, hosts);
}

// Entries added while the lists are being filled reach the views in one
// insertion; the lists find and count them at once, and whatever else
// happens meanwhile first tells the views of the rows before it. Qt's model
// checker watches every step.
TEST_F(UserListTest, AFillingReachesTheViewsInOneInsertion)
{
    add("antes", 1, std::nullopt);
    QSignalSpy inserted(list->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy boxInserted(box->model(), &QAbstractItemModel::rowsInserted);
    {
        const Filling<ListView> filling(list);
        const Filling<ListBox> fillingTwin(box);
        for (int i = 0; i < 100; ++i) {
            const QString nick = QString("n%1").arg(i);
            ASSERT_EQ(list->find(nick), -1);
            box->addItem(nick);
            ASSERT_EQ(list->add(nick, 4), i + 1);
            ref.rows.push_back({nick, 4, {}, {}});
            ASSERT_EQ(list->find(nick), i + 1);
        }
        list->setSubItem(50, 1, "host");  // a row the views have not met yet
        ref.rows[50].subItem1 = "host";
        EXPECT_EQ(list->count(), 101);
        EXPECT_EQ(list->model()->rowCount(), 1) << "the views meet the rows at the end";
        EXPECT_TRUE(inserted.isEmpty());
    }
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 1);
    EXPECT_EQ(inserted[0][2].toInt(), 100);
    ASSERT_EQ(boxInserted.size(), 1);
    expectSameAsReference({"n0", "n99"}, {"host"});

    // A removal, a selection or a clear while filling tells the views first.
    {
        const Filling<ListView> filling(list);
        const Filling<ListBox> fillingTwin(box);
        for (const QString nick : {"uno", "dos"}) {
            box->addItem(nick);
            list->add(nick, 1);
            ref.rows.push_back({nick, 1, {}, {}});
        }
        remove(0);
        list->select(list->count() - 1);
        box->setListIndex(box->count() - 1);
        EXPECT_EQ(list->selectedPosition(), list->count() - 1);
        EXPECT_EQ(box->selectedText(), "dos");
        expectSameAsReference({"uno", "dos", "antes"}, {});
        clear();
        box->addItem("tres");
        list->add("tres", 1);
        ref.rows.push_back({"tres", 1, {}, {}});
    }
    expectSameAsReference({"tres"}, {});
}

TEST(SlotList, RenumbersOnlyWhenMostSlotsAreDead)
{
    SlotList<int> list;
    for (int i = 0; i < 200; ++i)
        list.append(i);
    for (int i = 0; i < 100; ++i)
        list.take(0);
    EXPECT_FALSE(list.compact());  // half dead: not yet
    list.take(0);
    ASSERT_TRUE(list.compact());
    EXPECT_EQ(list.slotCount(), 99);
    for (int p = 0; p < 99; ++p)
        EXPECT_EQ(list.at(p), 101 + p);
    EXPECT_EQ(list.append(7), 99);
    EXPECT_EQ(list.at(99), 7);
}

TEST_F(UserListTest, SelectionStaysOnTheSameEntry)
{
    for (int i = 0; i < 300; ++i)
        add(QString("n%1").arg(i), 1, QString("h%1").arg(i));
    list->select(250);
    box->setListIndex(250);
    remove(0);
    remove(100);
    remove(298 - 1);  // after it
    EXPECT_EQ(list->selectedPosition(), 248);
    EXPECT_EQ(list->text(list->selectedPosition()), "n250");
    EXPECT_EQ(box->listIndex(), 248);
    EXPECT_EQ(box->selectedText(), "n250");

    // Enough removals before it to renumber the slots.
    for (int i = 0; i < 200; ++i)
        remove(0);
    EXPECT_EQ(list->text(list->selectedPosition()), "n250");
    EXPECT_EQ(box->selectedText(), "n250");
    ASSERT_EQ(list->selectedPosition(), 48);

    // Removing the selected entry selects nothing rather than its neighbour.
    remove(48);
    EXPECT_EQ(list->selectedPosition(), -1);
    EXPECT_EQ(box->listIndex(), -1);
    EXPECT_EQ(box->selectedText(), "");

    list->select(3);
    box->setListIndex(3);
    list->select(-1);
    box->setListIndex(-1);
    EXPECT_EQ(list->selectedPosition(), -1);
    EXPECT_EQ(box->listIndex(), -1);

    box->setListIndex(5);
    clear();
    EXPECT_EQ(list->selectedPosition(), -1);
    EXPECT_EQ(box->listIndex(), -1);
}

TEST_F(UserListTest, ClicksReportTheEntryUnderTheMouse)
{
    for (int i = 0; i < 1000; ++i)
        add(QString("n%1").arg(i), 1, std::nullopt);
    for (int i = 0; i < 400; ++i)
        remove(0);  // "n400" is now at position 0
    const int p = 500;  // "n900"

    QSignalSpy clicked(list, &ListView::itemClicked);
    QSignalSpy doubled(list, &ListView::itemDoubleClicked);
    QSignalSpy released(list, &ListView::mouseUp);
    QStringList order;
    QObject::connect(list, &ListView::mouseUp, [&] { order << "up"; });
    QObject::connect(list, &ListView::itemClicked, [&] { order << "click"; });

    const QModelIndex index = list->model()->index(p, 0);
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked[0][0].toInt(), p);
    EXPECT_EQ(list->selectedPosition(), p);
    EXPECT_EQ(list->text(p), "n900");
    ASSERT_EQ(released.size(), 1);
    EXPECT_EQ(released[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(released[0][1].toPoint(), at);
    EXPECT_EQ(order, QStringList({"up", "click"}));

    // The right button selects and raises MouseUp, but no Click.
    const QModelIndex above = list->model()->index(p - 1, 0);
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, list->visualRect(above).center());
    EXPECT_EQ(clicked.size(), 1);
    ASSERT_EQ(released.size(), 2);
    EXPECT_EQ(released[1][0].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(list->selectedPosition(), p - 1);

    // QTest sends the double click alone; a user's starts with a click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(doubled.size(), 1);
    EXPECT_EQ(doubled[0][0].toInt(), p);

    // The list box twin.
    QSignalSpy boxClicked(box, &ListBox::itemClicked);
    QSignalSpy boxDoubled(box, &ListBox::itemDoubleClicked);
    const QModelIndex boxIndex = box->model()->index(p, 0);
    box->scrollTo(boxIndex);
    const QPoint boxAt = box->visualRect(boxIndex).center();
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, boxAt);
    ASSERT_EQ(boxClicked.size(), 1);
    EXPECT_EQ(boxClicked[0][0].toInt(), p);
    EXPECT_EQ(box->selectedText(), "n900");
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, boxAt);
    ASSERT_EQ(boxDoubled.size(), 1);
    EXPECT_EQ(boxDoubled[0][0].toInt(), p);
}

int pixelsOf(const QImage& image, const QRect& area, const QColor& color)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

TEST_F(UserListTest, IconsDrawAtTheirOwnSize)
{
    add("sin", 0, std::nullopt);
    add("rojo", 1, std::nullopt);
    add("azul", 3, std::nullopt);
    add("fuera", 5, std::nullopt);
    QApplication::processEvents();
    const QImage shot = list->viewport()->grab().toImage();
    auto rowArea = [&](int p) { return list->visualRect(list->model()->index(p, 0)); };
    for (const QColor& c : kPictureColors)
        EXPECT_EQ(pixelsOf(shot, rowArea(0), c), 0);
    EXPECT_EQ(pixelsOf(shot, rowArea(1), Qt::red), 15 * 15);
    EXPECT_EQ(pixelsOf(shot, rowArea(2), Qt::blue), 15 * 15);
    for (const QColor& c : kPictureColors)
        EXPECT_EQ(pixelsOf(shot, rowArea(3), c), 0);

    // A new image list shows in the entries already there.
    QSignalSpy changed(list->model(), &QAbstractItemModel::dataChanged);
    pictures = {solid(Qt::yellow)};
    list->setImageList(pictures);
    EXPECT_EQ(changed.size(), 1);
    ref.rows[1].icon = 1;
    ref.rows[2].icon = 3;
    expectSameAsReference({}, {});
}

TEST_F(UserListTest, PositionsOutOfRangeFailAsTheOriginalDid)
{
    add("ana", 1, "h1");
    struct Case {
        const char* what;
        std::function<void()> call;
        int number;
    };
    const std::vector<Case> cases{
        {"text past the end", [&] { list->text(1); }, 35600},
        {"text before the start", [&] { list->text(-1); }, 35600},
        {"remove past the end", [&] { list->remove(1); }, 35600},
        {"colour past the end", [&] { list->setForeColor(1, Qt::red); }, 35600},
        {"select past the end", [&] { list->select(1); }, 35600},
        {"SubItems(0)", [&] { list->subItem(0, 0); }, 380},
        {"list box remove past the end", [&] { box->removeItem(1); }, 5},
        {"list box index past the end", [&] { box->setListIndex(1); }, 380},
    };
    for (const Case& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.what << ": no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), c.number) << c.what;
        }
    }
    EXPECT_EQ(box->item(1), "");
    EXPECT_EQ(box->item(-1), "");
    EXPECT_EQ(list->subItem(0, 3), "");
    expectSameAsReference({"ana"}, {"h1"});
}

TEST_F(UserListTest, ATagTravelsWithItsEntryAndIsNeverShown)
{
    for (const char* room : {"uno", "dos", "tres"}) {
        add(room, 0, std::nullopt);
        list->setTag(list->count() - 1, QStringLiteral("#") + room);
    }
    remove(0);
    EXPECT_EQ(list->tag(0), "#dos");
    EXPECT_EQ(list->tag(1), "#tres");
    add("cuatro", 0, std::nullopt);
    EXPECT_EQ(list->tag(2), "") << "a new entry carries no tag";

    const QAbstractItemModel* m = list->model();
    for (int column = 0; column < m->columnCount(); ++column)
        for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::EditRole)})
            EXPECT_FALSE(m->data(m->index(0, column), role).toString().contains("#dos")) << column << " " << role;
    try {
        list->tag(3);
        ADD_FAILURE() << "no error past the end";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 35600);
    }
    expectSameAsReference({"dos", "cuatro"}, {});
}

}  // namespace

TEST_F(UserListTest, CheckBoxesAreTickedByTheUserAndByTheProgram)
{
    for (const char* nick : {"ana", "bea", "carlos"})
        add(nick, 1, std::nullopt);
    list->setCheckBoxes(true);
    list->setChecked(2, true);
    // The box before the text: a click there ticks the entry, a click on
    // the text only selects it.
    const QRect row = list->visualRect(list->model()->index(0, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(row.left() + 8, row.center().y()));
    const QRect second = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(second.right() - 5, second.center().y()));
    EXPECT_TRUE(list->checked(0));
    EXPECT_FALSE(list->checked(1));
    EXPECT_TRUE(list->checked(2));
    EXPECT_EQ(list->selectedPosition(), 1);
    EXPECT_EQ(list->text(0), QStringLiteral("ana"));
    EXPECT_THROW(list->setChecked(3, true), RuntimeError);
    clear();
    add("ana", 1, std::nullopt);
    EXPECT_FALSE(list->checked(0)) << "a new entry starts unticked";
}
