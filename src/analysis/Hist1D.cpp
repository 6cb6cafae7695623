#include "analysis/Hist1D.h"

#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

namespace analysis {

namespace bh = boost::histogram;

Hist1D::Hist1D(std::string name, std::string title, int nbins, double xmin, double xmax)
    : name_(std::move(name)), title_(std::move(title)), nbins_(nbins), xmin_(xmin), xmax_(xmax),
      hist_(bh::make_weighted_histogram(BinningAxis(nbins > 0 ? nbins : 1, xmin, xmax))) {
    if (nbins <= 0 || !(xmax > xmin))
        throw std::invalid_argument("histogram \"" + name_ + "\": invalid binning");
}

void Hist1D::setAxisTitles(std::string xTitle, std::string yTitle) {
    xTitle_ = std::move(xTitle);
    yTitle_ = std::move(yTitle);
}

double Hist1D::binLowEdge(int bin) const {
    return xmin_ + (bin - 1) * binWidth();
}

double Hist1D::binCenter(int bin) const {
    return xmin_ + (bin - 0.5) * binWidth();
}

int Hist1D::findBin(double x) const {
    return hist_.axis().index(x) + 1;
}

void Hist1D::checkBin(int bin) const {
    if (bin < 0 || bin > nbins_ + 1)
        throw std::out_of_range("histogram \"" + name_ + "\": no bin " + std::to_string(bin));
}

void Hist1D::fill(double x, double weight) {
    hist_(x, bh::weight(weight));
    entries_ += 1.0;
}

void Hist1D::fillMany(const double* x, std::size_t n) {
    const BinningAxis& axis = hist_.axis();
    std::vector<double> counts(static_cast<std::size_t>(nbins_) + 2, 0.0);
    for (std::size_t i = 0; i < n; ++i)
        counts[static_cast<std::size_t>(axis.index(x[i]) + 1)] += 1.0;
    addUnitWeightCounts(counts.data(), static_cast<double>(n));
}

void Hist1D::addUnitWeightCounts(const double* counts, double fills) {
    for (int i = -1; i <= nbins_; ++i) {
        const double c = counts[i + 1];
        if (c == 0.0)
            continue;
        auto& t = hist_.at(i);
        t = bh::accumulators::weighted_sum<double>(t.value() + c, t.variance() + c);
    }
    entries_ += fills;
}

double Hist1D::binContent(int bin) const {
    checkBin(bin);
    return hist_.at(bin - 1).value();
}

double Hist1D::sumw2(int bin) const {
    checkBin(bin);
    return hist_.at(bin - 1).variance();
}

double Hist1D::binError(int bin) const {
    return std::sqrt(sumw2(bin));
}

void Hist1D::setBin(int bin, double content, double sumw2) {
    checkBin(bin);
    hist_.at(bin - 1) = bh::accumulators::weighted_sum<double>(content, sumw2);
}

void Hist1D::reset() {
    hist_.reset();
    entries_ = 0.0;
}

bool Hist1D::sameBinning(const Hist1D& other) const {
    return nbins_ == other.nbins_ && xmin_ == other.xmin_ && xmax_ == other.xmax_;
}

void Hist1D::add(const Hist1D& other, double factor) {
    if (!sameBinning(other))
        throw std::invalid_argument("cannot add histogram \"" + other.name_ + "\" to \"" + name_ +
                                    "\": different binning");
    const double f2 = factor * factor;
    for (int i = -1; i <= nbins_; ++i) {
        const auto& o = other.hist_.at(i);
        auto& t = hist_.at(i);
        t = bh::accumulators::weighted_sum<double>(t.value() + factor * o.value(),
                                                   t.variance() + f2 * o.variance());
    }
    entries_ += factor * other.entries_;
}

void Hist1D::scale(double factor) {
    const double f2 = factor * factor;
    for (int i = -1; i <= nbins_; ++i) {
        auto& t = hist_.at(i);
        t = bh::accumulators::weighted_sum<double>(t.value() * factor, t.variance() * f2);
    }
}

double Hist1D::integral() const {
    return integral(1, nbins_);
}

double Hist1D::integral(int first, int last) const {
    if (first < 0)
        first = 0;
    if (last > nbins_ + 1)
        last = nbins_ + 1;
    double sum = 0.0;
    for (int bin = first; bin <= last; ++bin)
        sum += hist_.at(bin - 1).value();
    return sum;
}

std::optional<Hist1D> Hist1D::normalised() const {
    const double sum = integral();
    if (sum == 0.0 || !std::isfinite(sum))
        return std::nullopt;
    Hist1D copy(*this);
    copy.scale(1.0 / sum);
    return copy;
}

} // namespace analysis
