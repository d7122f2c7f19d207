#pragma once
// The numbers of the cash disbursements screen's messages, in its language tables.

namespace orvant::disbursements {

enum DisbursementMessage {
    kNoSuchAccountTyped = 2,  // an account typed in the grid that the chart does not hold
    kEnterReference = 3,
    kNoSuchAccount = 4,  // a row with an amount and no account, or one the chart does not hold
    kOutOfBalance = 5,
    kPayableWithoutSupplier = 6,
    kNoSuchSupplier = 7,
    kAskForMemo = 8,
    kCaptionPrefix = 10,
    kCaptionBeforePeriod = 11,
    kNotADate = 12,
    kHoldbackPrefix = 14,
    // An invoice's open amount changed on another workstation since the items were shown.
    kPaidMeanwhile = 15,
    // A row on the payable account of another currency than the supplier's.
    kOtherCurrencyPayable = 16,
    // A payment on a holdback item lies above 0 and at most at what the item owes.
    kHoldbackPaymentRefused = 17,
    kNothingToPost = 18,
    kBeyondBooksLimit = 19,
    kControlCharacter = 20,
    kWaitingForSupplier = 21,
    // The supplier already has a disbursement of this reference on this date: post it again?
    kAskPostAgain = 22,
    kAlreadyPosted = 23,
    kNotANumber = 24,
    kNegativeAmount = 25,
    kDebitAndCredit = 26,
    // The import's refusal of a disbursement already in the books before it began.
    kAlreadyInBooks = 27,
    // A payment on an invoice the supplier's ledger does not hold.
    kNoSuchItem = 28,
    // The import names one invoice twice in a disbursement.
    kPaidTwice = 29,
    // The import gives a net amount for a tax rate the disbursement has no row of.
    kNoSuchTaxRow = 30,
};

}  // namespace orvant::disbursements
