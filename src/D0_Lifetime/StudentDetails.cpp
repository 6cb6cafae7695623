#include "StudentDetails.h"

namespace StudentDetails {

bool complete(const QString& name, const QString& surname, const QString& grade, int combination) {
    return !name.isEmpty() && !surname.isEmpty() && !grade.isEmpty() && combination > 0;
}

std::string identity(const QString& name, const QString& surname, const QString& grade) {
    return (name + "_" + surname + "_" + grade).toStdString();
}

std::optional<QString> outputDirectory(const QString& typed) {
    if (typed.size() < 2)
        return std::nullopt;
    return typed.endsWith('/') ? typed : typed + '/';
}

} // namespace StudentDetails
