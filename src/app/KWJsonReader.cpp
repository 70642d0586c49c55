#include "KWJsonReader.h"

#include <unordered_set>

namespace {

constexpr qsizetype ExcerptLength = 40;
// Objects up to this size are searched for a repeated name directly; larger ones get an index.
constexpr std::size_t IndexFrom = 16;

using TObject = TKWJson::object_t;
using TMembers = TObject::Container;

QString Shortened(const std::string& AText)
{
    QString Text = QString::fromStdString(AText.substr(0, ExcerptLength * 4));
    if (Text.size() > ExcerptLength)
        Text = Text.left(ExcerptLength) + QStringLiteral("…");
    return Text;
}

// Builds the document tree from the parser's events. Members are appended without the ordered
// map's linear lookup; repeated names are found through an index once an object grows.
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
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }

    bool key(std::string& AName)
    {
        TMembers& Members = FOpen.back().Container->get_ref<TObject&>();
        if (TKWJson* Existing = FindMember(FOpen.back(), AName)) {
            if (FDuplicates == TKWJsonDuplicates::jdRefuse)
                return Fail(QStringLiteral("member \"%1\" occurs more than once").arg(Shortened(AName)));
            *Existing = nullptr;
            FSlot = Existing;
            return true;
        }
        Members.emplace_back(std::move(AName), nullptr);
        if (FOpen.back().Index)
            FOpen.back().Index->Positions.insert(Members.size() - 1);
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
    // The positions of an object's members in a set hashed by name, so the index holds no
    // copies of names. The position Probe stands for the name being looked up.
    struct TIndex
    {
        static constexpr std::size_t Probe = static_cast<std::size_t>(-1);
        struct THash
        {
            const TIndex* Index;
            std::size_t operator()(std::size_t A) const { return std::hash<std::string>()(Index->Name(A)); }
        };
        struct TEqual
        {
            const TIndex* Index;
            bool operator()(std::size_t A, std::size_t B) const { return Index->Name(A) == Index->Name(B); }
        };

        explicit TIndex(const TMembers& AMembers) : Members(AMembers), Positions(0, THash{this}, TEqual{this})
        {
            for (std::size_t I = 0; I < Members.size(); ++I)
                Positions.insert(I);
        }
        const std::string& Name(std::size_t APosition) const
        {
            return APosition == Probe ? *ProbeName : Members[APosition].first;
        }
        std::optional<std::size_t> Find(const std::string& AName)
        {
            ProbeName = &AName;
            const auto Found = Positions.find(Probe);
            return Found == Positions.end() ? std::nullopt : std::optional(*Found);
        }

        const TMembers& Members;
        const std::string* ProbeName = nullptr;
        std::unordered_set<std::size_t, THash, TEqual> Positions;
    };

    struct TOpen
    {
        TKWJson* Container;
        std::unique_ptr<TIndex> Index;
    };

    bool Fail(const QString& AReason)
    {
        FError = AReason;
        return false;
    }

    // The member named AName of the open object, if there is one.
    TKWJson* FindMember(TOpen& AOpen, const std::string& AName)
    {
        TMembers& Members = AOpen.Container->get_ref<TObject&>();
        if (Members.size() < IndexFrom) {
            for (auto& Member : Members)
                if (Member.first == AName)
                    return &Member.second;
            return nullptr;
        }
        if (!AOpen.Index)
            AOpen.Index = std::make_unique<TIndex>(Members);
        const std::optional<std::size_t> Found = AOpen.Index->Find(AName);
        return Found ? &Members[*Found].second : nullptr;
    }

    // Where the next value goes: the root, the end of the open array, or the slot of the key
    // just read.
    TKWJson* Place(TKWJson&& AValue)
    {
        if (FOpen.empty()) {
            FRoot = std::move(AValue);
            return &FRoot;
        }
        TKWJson& Container = *FOpen.back().Container;
        if (Container.is_array()) {
            Container.get_ref<TKWJson::array_t&>().push_back(std::move(AValue));
            return &Container.get_ref<TKWJson::array_t&>().back();
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
        if (FOpen.size() >= static_cast<std::size_t>(KWJsonMaxDepth))
            return Fail(QStringLiteral("nested deeper than %1 levels").arg(KWJsonMaxDepth));
        FOpen.push_back({Place(std::move(AContainer)), nullptr});
        return true;
    }

    bool Close()
    {
        FOpen.pop_back();
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
