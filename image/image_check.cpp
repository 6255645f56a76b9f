#include "image/image_check.h"

#include <algorithm>
#include <iterator>
#include <random>
#include <vector>

#include "articles/article_table.h"
#include "ecr/talon_ecr.h"

namespace {

constexpr int SampleSize = 8;
const char* const WrongCount = "broj artikala";

// Up to SampleSize locations drawn at random, the lowest and the highest always among
// them: syncs day after day cover the whole table.
std::vector<int> SampleLocations(const RegisterImage& image) {
    std::vector<int> all;
    for (const auto& entry : image.Articles) {
        all.push_back(entry.first);
    }
    if (all.size() <= static_cast<std::size_t>(SampleSize)) {
        return all;
    }
    std::vector<int> sample{all.front(), all.back()};
    std::mt19937 random(std::random_device{}());
    std::sample(all.begin() + 1, all.end() - 1, std::back_inserter(sample), SampleSize - 2, random);
    return sample;
}

// "" when every sampled article reads back as the image has it.
std::string CheckSample(TalonECR& ecr, const RegisterImage& image) {
    for (int location : SampleLocations(image)) {
        TalonPLUItem read;
        if (!ReadBack(ecr, location, read) || !SameProgramming(read, image.Articles.at(location))) {
            return DifferingReason(location);
        }
    }
    return {};
}

} // namespace

bool ReadBack(TalonECR& ecr, int location, TalonPLUItem& read) {
    read = TalonPLUItem();
    ecr.ReadArticle(location, read);
    return read.GetThisID() == location && IsPresent(read);
}

std::string DifferingReason(int location) {
    return "artikal " + std::to_string(location) + " se razlikuje";
}

void ReadBackInto(TalonECR& ecr, int location, RegisterImage& image) {
    TalonPLUItem read;
    if (ReadBack(ecr, location, read)) {
        image.Articles[location] = read;
    } else {
        image.Articles.erase(location);
    }
}

std::string CompareWithRegister(TalonECR& ecr, const RegisterImage& image, int registerArticles) {
    if (static_cast<int>(image.Articles.size()) != registerArticles) {
        return WrongCount;
    }
    return CheckSample(ecr, image);
}
