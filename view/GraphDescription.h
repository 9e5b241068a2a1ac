#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <vector>

namespace plovex {

class GraphFunction;
struct FormFields;

// What a rendering drew, in words a screen reader can say, in the user's language.
class GraphDescription {
    Q_DECLARE_TR_FUNCTIONS(GraphDescription)

public:
    // `expression` (the text the selected function's postfix queue was parsed from),
    // explicit or implicit, the derivative when derivative mode drew it, the scales and the
    // statistics the rendering left in fields.m_info: "x^2, explicit. X scale 10, Y scale 10.
    // Maximum: 10.000000, Minimum: 0.000000, Mean: 3.4.". For a graph of several functions
    // the shown ones with their colours come first: "Shown: x^2 in blue, x^2+y^2-25 = 0 in
    // vermillion. Selected: ...".
    static QString Describe(const std::vector<GraphFunction>& functions,
        const std::string& expression, const FormFields& fields);
    // The same for the selected function as it was last parsed: a parametric or polar curve is
    // named with its kind and range, never as a derivative ("Polar curve r = t/2 for t from 0 to
    // 6.2831855. X scale 10, ...").
    static QString Describe(const std::vector<GraphFunction>& functions,
        const GraphFunction& selected, const FormFields& fields);

private:
    // "parametric curve (t-sin t, 1-cos t) for t from 0 to 6.2831855", "polar curve r = t/2 for
    // t from 0 to 6.2831855"; capitalised at the start of a sentence.
    static QString Curve(const GraphFunction& function, bool capital);
    static QString Finish(
        const std::vector<GraphFunction>& functions, QString graph, const FormFields& fields);
};

} // namespace plovex
