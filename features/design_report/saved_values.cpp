#include "saved_values.h"

#include "errors.h"
#include "user_files.h"
#include "table_window.h"

#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <algorithm>
#include <vector>

namespace takton {
namespace {

const QString formatTag = QStringLiteral("takton-values");
// Far more than the texts of any window: a larger file is not one of ours.
constexpr qint64 largestFile = 1 << 20;

std::vector<QLineEdit*> fieldsOf(const TableWindow& window)
{
    std::vector<QLineEdit*> fields;
    for (const ControlRow& row : window.layoutRows())
        if (row.kind == Kind::Edit)
            fields.push_back(qobject_cast<QLineEdit*>(window.control(row.name)));
    return fields;
}

// The parser's reason, in the user's words.
QString reasonOf(QJsonParseError::ParseError error)
{
    switch (error) {
    case QJsonParseError::UnterminatedObject:
        return QStringLiteral("объект не закрыт");
    case QJsonParseError::MissingNameSeparator:
        return QStringLiteral("после имени нет двоеточия");
    case QJsonParseError::UnterminatedArray:
        return QStringLiteral("массив не закрыт");
    case QJsonParseError::MissingValueSeparator:
        return QStringLiteral("между значениями нет запятой");
    case QJsonParseError::IllegalValue:
        return QStringLiteral("недопустимое значение");
    case QJsonParseError::TerminationByNumber:
        return QStringLiteral("текст обрывается на числе");
    case QJsonParseError::IllegalNumber:
        return QStringLiteral("недопустимое число");
    case QJsonParseError::IllegalEscapeSequence:
        return QStringLiteral("недопустимая escape-последовательность");
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("текст не в кодировке UTF-8");
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("строка не закрыта");
    case QJsonParseError::MissingObject:
        return QStringLiteral("нет объекта");
    case QJsonParseError::DeepNesting:
        return QStringLiteral("слишком глубокая вложенность");
    case QJsonParseError::DocumentTooLarge:
        return QStringLiteral("документ слишком велик");
    case QJsonParseError::GarbageAtEnd:
        return QStringLiteral("лишние данные в конце");
    case QJsonParseError::NoError:
        break;
    }
    return QStringLiteral("ошибка разбора");
}

[[noreturn]] void damaged(const QString& fileName, const QString& why)
{
    throw Exception("Файл " + fileName + " повреждён или не является файлом значений: " + why);
}

} // namespace

QByteArray valuesJson(const TableWindow& window)
{
    QJsonObject texts;
    for (const QLineEdit* field : fieldsOf(window))
        texts.insert(field->objectName(), field->text());
    const QJsonObject file{{"format", formatTag},
                           {"version", valuesFormatVersion},
                           {"form", window.objectName()},
                           {"title", window.windowTitle()},
                           {"fields", texts}};
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

void loadValues(TableWindow& window, const QByteArray& json, const QString& fileName)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        damaged(fileName, reasonOf(error.error) + " (байт " + QString::number(error.offset) + ")");
    const QJsonObject file = document.object();
    if (!document.isObject() || file.value("format").toString() != formatTag)
        damaged(fileName, "нет метки формата «" + formatTag + "»");
    const QJsonValue version = file.value("version");
    if (!version.isDouble() || version.toDouble() != version.toInt() || version.toInt() < 1)
        damaged(fileName, "неверный номер формата");
    if (version.toInt() > valuesFormatVersion)
        throw Exception("Файл " + fileName + " записан в формате " + QString::number(version.toInt()) +
                        ", более новом, чем понимает эта версия программы (формат " +
                        QString::number(valuesFormatVersion) + ")");
    const QString form = file.value("form").toString();
    if (form.isEmpty())
        damaged(fileName, "не указано окно");
    if (form != window.objectName()) {
        const QString title = file.value("title").toString();
        throw Exception("Файл " + fileName + " содержит значения другого окна: «" + (title.isEmpty() ? form : title) +
                        "»");
    }
    if (!file.value("fields").isObject())
        damaged(fileName, "нет значений полей");
    const QJsonObject texts = file.value("fields").toObject();

    // Every field is checked before the first one changes.
    const std::vector<QLineEdit*> fields = fieldsOf(window);
    std::vector<QString> loaded;
    for (QLineEdit* field : fields) {
        const QJsonValue text = texts.value(field->objectName());
        if (!text.isString())
            damaged(fileName, "нет текста поля " + field->objectName());
        if (text.toString().size() > field->maxLength())
            damaged(fileName, "текст поля " + field->objectName() + " длиннее, чем вмещает поле");
        loaded.push_back(text.toString());
    }
    for (const QString& name : texts.keys())
        if (std::none_of(fields.begin(), fields.end(), [&](const QLineEdit* f) { return f->objectName() == name; }))
            damaged(fileName, "в окне нет поля " + name);
    for (size_t k = 0; k < fields.size(); ++k)
        fields[k]->setText(loaded[k]);
}

void saveValuesFile(const TableWindow& window, const QString& path)
{
    saveWholeFile(path, valuesJson(window));
}

void loadValuesFile(TableWindow& window, const QString& path)
{
    loadValues(window, readValuesFile(path), shownName(path));
}

QByteArray readValuesFile(const QString& path)
{
    return readRegularFile(path, largestFile);
}

QString formNamedIn(const QByteArray& json)
{
    return QJsonDocument::fromJson(json).object().value(QStringLiteral("form")).toString();
}

} // namespace takton
