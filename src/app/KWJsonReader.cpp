#include "KWJsonReader.h"

#include <cstdint>
#include <limits>

namespace {

constexpr qsizetype ExcerptLength = 40;
// Objects up to this size are searched for a repeated name directly; wider ones by a sort.
constexpr std::size_t LinearUpTo = 16;

using TObject = TKWJson::object_t;
using TMembers = TObject::Container;
using TPendingMembers = std::vector<std::pair<std::string, TKWJson>>;

QString Shortened(const std::string& AText)
{
    QString Text = QString::fromStdString(AText.substr(0, ExcerptLength * 4));
    if (Text.size() > ExcerptLength)
        Text = Text.left(ExcerptLength) + QStringLiteral("…");
    return Text;
}

// Builds the document tree from the parser's events. An object's members are collected in a
// plain vector and handed to the ordered map once, when the object closes: the map's linear
// lookup is never used, and repeated names are found then through a sort.
class TBuilder
{
public:
    TBuilder(TKWJson& ARoot, TKWJsonDuplicates ADuplicates) : FRoot(ARoot), FDuplicates(ADuplicates) {}

    const QString& Error() const { return FError; }

    bool null() { return Put(nullptr); }
    bool boolean(bool AValue) { return Put(AValue); }
    bool number_integer(TKWJson::number_integer_t AValue) { return Put(AValue); }
    bool number_unsigned(TKWJson::number_unsigned_t AValue) { return Put(AValue); }
    bool number_float(TKWJson::number_float_t AValue, const std::string&) { return Put(AValue); }
    bool string(std::string& AValue) { return Put(std::move(AValue)); }
    bool binary(TKWJson::binary_t& AValue) { return Put(TKWJson::binary(std::move(AValue))); }

    bool start_object(std::size_t) { return Open(TKWJson::object()); }
    bool start_array(std::size_t) { return Open(TKWJson::array()); }
    bool end_object() { return CloseObject(); }
    bool end_array()
    {
        FOpen.pop_back();
        return true;
    }

    bool key(std::string& AName)
    {
        TPendingMembers& Members = FOpen.back().Members;
        if (Members.size() < LinearUpTo) {
            for (auto& [Name, Value] : Members) {
                if (Name != AName)
                    continue;
                if (FDuplicates == TKWJsonDuplicates::jdRefuse)
                    return Repeated(AName);
                Value = nullptr;
                FSlot = &Value;
                return true;
            }
        }
        Members.emplace_back(std::move(AName), nullptr);
        FSlot = &Members.back().second;
        return true;
    }

    bool parse_error(std::size_t APosition, const std::string&, const nlohmann::detail::exception& AError)
    {
        if (FError.isEmpty())
            FError = QStringLiteral("not JSON at byte %1: %2").arg(APosition).arg(QString::fromUtf8(AError.what()));
        return false;
    }

private:
    struct TOpen
    {
        TKWJson* Container;
        TPendingMembers Members; // an object's members until it closes
    };

    bool Repeated(const std::string& AName)
    {
        FError = QStringLiteral("member \"%1\" occurs more than once").arg(Shortened(AName));
        return false;
    }

    // Where the next value goes: the root, the end of the open array, or the slot of the key
    // just read. Slots and open containers keep their place while their children are read.
    TKWJson* Place(TKWJson&& AValue)
    {
        if (FOpen.empty()) {
            FRoot = std::move(AValue);
            return &FRoot;
        }
        TKWJson& Container = *FOpen.back().Container;
        if (Container.is_array()) {
            auto& Elements = Container.get_ref<TKWJson::array_t&>();
            Elements.push_back(std::move(AValue));
            return &Elements.back();
        }
        *FSlot = std::move(AValue);
        return FSlot;
    }

    bool Put(TKWJson&& AValue)
    {
        Place(std::move(AValue));
        return true;
    }

    bool Open(TKWJson&& AContainer)
    {
        if (FOpen.size() >= static_cast<std::size_t>(KWJsonMaxDepth)) {
            FError = QStringLiteral("nested deeper than %1 levels").arg(KWJsonMaxDepth);
            return false;
        }
        FOpen.push_back({Place(std::move(AContainer)), {}});
        return true;
    }

    bool CloseObject()
    {
        TOpen Open = std::move(FOpen.back());
        FOpen.pop_back();
        std::vector<bool> Dropped(Open.Members.size(), false);
        if (Open.Members.size() > LinearUpTo && !MergeRepeated(Open.Members, Dropped))
            return false;
        TMembers& Members = Open.Container->get_ref<TObject&>();
        Members.reserve(Open.Members.size());
        for (std::size_t I = 0; I < Open.Members.size(); ++I)
            if (!Dropped[I])
                Members.emplace_back(std::move(Open.Members[I].first), std::move(Open.Members[I].second));
        return true;
    }

    // A repeated name keeps the place of its first occurrence and the value of its last. The
    // names are found in an open-addressing table of member positions: one pass, no copies.
    bool MergeRepeated(TPendingMembers& AMembers, std::vector<bool>& ADropped)
    {
        constexpr std::uint32_t Free = std::numeric_limits<std::uint32_t>::max();
        std::size_t Capacity = 1;
        while (Capacity < 2 * AMembers.size())
            Capacity <<= 1;
        std::vector<std::uint32_t> Slots(Capacity, Free);
        std::vector<std::size_t> Hashes(AMembers.size());
        for (std::size_t I = 0; I < AMembers.size(); ++I) {
            Hashes[I] = std::hash<std::string>()(AMembers[I].first);
            std::size_t Slot = Hashes[I] & (Capacity - 1);
            for (; Slots[Slot] != Free; Slot = (Slot + 1) & (Capacity - 1)) {
                auto& First = AMembers[Slots[Slot]];
                if (Hashes[Slots[Slot]] != Hashes[I] || First.first != AMembers[I].first)
                    continue;
                if (FDuplicates == TKWJsonDuplicates::jdRefuse)
                    return Repeated(First.first);
                First.second = std::move(AMembers[I].second);
                ADropped[I] = true;
                break;
            }
            if (!ADropped[I])
                Slots[Slot] = static_cast<std::uint32_t>(I);
        }
        return true;
    }

    TKWJson& FRoot;
    TKWJsonDuplicates FDuplicates;
    std::vector<TOpen> FOpen;
    TKWJson* FSlot = nullptr;
    QString FError;
};

} // namespace

TKWJson KWParseJson(std::string_view AText, TKWJsonDuplicates ADuplicates)
{
    TKWJson Root;
    TBuilder Builder(Root, ADuplicates);
    const bool Parsed = TKWJson::sax_parse(AText.data(), AText.data() + AText.size(), &Builder);
    if (!Parsed)
        throw EKWJsonError(Builder.Error().isEmpty() ? QStringLiteral("not JSON") : Builder.Error());
    return Root;
}

TKWJson KWParseJson(const QString& AText, TKWJsonDuplicates ADuplicates)
{
    const QByteArray Utf8 = AText.toUtf8();
    return KWParseJson(std::string_view(Utf8.constData(), Utf8.size()), ADuplicates);
}

QString KWJsonExcerpt(const TKWJson& AValue)
{
    switch (AValue.type()) {
    case TKWJson::value_t::object:
        return QStringLiteral("an object of %1 members").arg(AValue.size());
    case TKWJson::value_t::array:
        return QStringLiteral("an array of %1 elements").arg(AValue.size());
    case TKWJson::value_t::string:
        return u'"' + Shortened(AValue.get_ref<const std::string&>()) + u'"';
    default:
        return QString::fromStdString(AValue.dump());
    }
}

QString KWJsonValueText(const TKWJson& AValue)
{
    if (AValue.is_string())
        return QString::fromStdString(AValue.get_ref<const std::string&>());
    if (AValue.is_structured())
        return {};
    return QString::fromStdString(AValue.dump());
}
