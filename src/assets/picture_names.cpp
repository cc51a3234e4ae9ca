// What each picture shows, in words for a screen reader. Generated from
// tools/pictures/pictures.txt by tools/pictures/make_picture_names.py: edit those.
#include "assets/catalogue.h"

#include <iterator>

namespace pv {

namespace {

// clang-format off
constexpr const char* kPictureNames[] = {
    "ant",  // 500
    "baby chick",  // 501
    "bear",  // 502
    "beaver",  // 503
    "beetle",  // 504
    "bird",  // 505
    "blowfish",  // 506
    "bug",  // 507
    "camel",  // 508
    "cat face",  // 509
    "chipmunk",  // 510
    "cow face",  // 511
    "crocodile",  // 512
    "deer",  // 513
    "dog face",  // 514
    "dolphin",  // 515
    "donkey",  // 516
    "dove",  // 517
    "dragon",  // 518
    "duck",  // 519
    "eagle",  // 520
    "elephant",  // 521
    "sheep",  // 522
    "fish",  // 523
    "flamingo",  // 524
    "fox",  // 525
    "frog",  // 526
    "goat",  // 527
    "gorilla",  // 528
    "hamster",  // 529
    "hatching chick",  // 530
    "hedgehog",  // 531
    "hippopotamus",  // 532
    "honeybee",  // 533
    "horse",  // 534
    "jellyfish",  // 535
    "kangaroo",  // 536
    "lion",  // 537
    "llama",  // 538
    "monkey",  // 539
    "moose",  // 540
    "mouse face",  // 541
    "nest with eggs",  // 542
    "octopus",  // 543
    "otter",  // 544
    "owl",  // 545
    "ox",  // 546
    "parrot",  // 547
    "polar bear",  // 548
    "peacock",  // 549
    "pig face",  // 550
    "rabbit face",  // 551
    "raccoon",  // 552
    "rhinoceros",  // 553
    "rooster",  // 554
    "long-necked dinosaur",  // 555
    "seal",  // 556
    "shark",  // 557
    "skunk",  // 558
    "sloth",  // 559
    "snail",  // 560
    "snake",  // 561
    "spouting whale",  // 562
    "swan",  // 563
    "T. rex",  // 564
    "tiger face",  // 565
    "turkey",  // 566
    "turtle",  // 567
    "unicorn",  // 568
    "worm",  // 569
    "zebra",  // 570
    "crab",  // 571
    "blossom",  // 572
    "bouquet",  // 573
    "deciduous tree",  // 574
    "evergreen tree",  // 575
    "feather",  // 576
    "four leaf clover",  // 577
    "hibiscus",  // 578
    "maple leaf",  // 579
    "palm tree",  // 580
    "potted plant",  // 581
    "seedling",  // 582
    "baby bottle",  // 583
    "bell pepper",  // 584
    "juice box",  // 585
    "bread",  // 586
    "candy",  // 587
    "cheese wedge",  // 588
    "chocolate bar",  // 589
    "cucumber",  // 590
    "ear of corn",  // 591
    "egg",  // 592
    "eggplant",  // 593
    "french fries",  // 594
    "glass of milk",  // 595
    "green salad",  // 596
    "honey pot",  // 597
    "hot drink",  // 598
    "hot dog",  // 599
    "hot pepper",  // 600
    "lollipop",  // 601
    "onion",  // 602
    "pancakes",  // 603
    "pea pod",  // 604
    "popcorn",  // 605
    "pretzel",  // 606
    "sandwich",  // 607
    "shaved ice",  // 608
    "shortcake",  // 609
    "soft ice cream",  // 610
    "spaghetti",  // 611
    "taco",  // 612
    "teapot",  // 613
    "waffle",  // 614
    "american football",  // 615
    "artist palette",  // 616
    "badminton",  // 617
    "baseball",  // 618
    "bowling",  // 619
    "flying disc",  // 620
    "ice hockey",  // 621
    "ice skate",  // 622
    "magic wand",  // 623
    "nesting dolls",  // 624
    "party popper",  // 625
    "piñata",  // 626
    "ping pong",  // 627
    "puzzle piece",  // 628
    "ribbon",  // 629
    "sled",  // 630
    "skis",  // 631
    "tennis",  // 632
    "video game",  // 633
    "volleyball",  // 634
    "yarn",  // 635
    "yo-yo",  // 636
    "fireworks",  // 637
    "airplane",  // 638
    "ambulance",  // 639
    "anchor",  // 640
    "automobile",  // 641
    "bicycle",  // 642
    "bullet train",  // 643
    "bus",  // 644
    "carousel horse",  // 645
    "castle",  // 646
    "circus tent",  // 647
    "cloud",  // 648
    "cloud with rain",  // 649
    "crescent moon",  // 650
    "delivery truck",  // 651
    "desert island",  // 652
    "droplet",  // 653
    "ferris wheel",  // 654
    "fire engine",  // 655
    "flying saucer",  // 656
    "full moon face",  // 657
    "globe",  // 658
    "star",  // 659
    "helicopter",  // 660
    "house",  // 661
    "hut",  // 662
    "kick scooter",  // 663
    "locomotive",  // 664
    "luggage",  // 665
    "motor boat",  // 666
    "canoe",  // 667
    "motor scooter",  // 668
    "motorcycle",  // 669
    "snow capped mountain",  // 670
    "parachute",  // 671
    "ship",  // 672
    "playground slide",  // 673
    "life ring",  // 674
    "police car",  // 675
    "racing car",  // 676
    "ringed planet",  // 677
    "rocket",  // 678
    "roller coaster",  // 679
    "roller skate",  // 680
    "sailboat",  // 681
    "school",  // 682
    "skateboard",  // 683
    "snowflake",  // 684
    "snowman",  // 685
    "sun",  // 686
    "sun behind cloud",  // 687
    "taxi",  // 688
    "tent",  // 689
    "tractor",  // 690
    "umbrella in the rain",  // 691
    "beach umbrella",  // 692
    "volcano",  // 693
    "water wave",  // 694
    "abacus",  // 695
    "accordion",  // 696
    "backpack",  // 697
    "ballet shoes",  // 698
    "basket",  // 699
    "bed",  // 700
    "bell",  // 701
    "cap",  // 702
    "books",  // 703
    "boomerang",  // 704
    "broom",  // 705
    "bubbles",  // 706
    "bucket",  // 707
    "camera",  // 708
    "candle",  // 709
    "chair",  // 710
    "crayon",  // 711
    "crown",  // 712
    "door",  // 713
    "dress",  // 714
    "drum",  // 715
    "flashlight",  // 716
    "flute",  // 717
    "gem stone",  // 718
    "glasses",  // 719
    "gloves",  // 720
    "goggles",  // 721
    "graduation cap",  // 722
    "guitar",  // 723
    "hammer",  // 724
    "headphones",  // 725
    "hiking boot",  // 726
    "key",  // 727
    "ladder",  // 728
    "laptop",  // 729
    "light bulb",  // 730
    "magnet",  // 731
    "magnifying glass",  // 732
    "maracas",  // 733
    "microphone",  // 734
    "microscope",  // 735
    "mobile phone",  // 736
    "musical keyboard",  // 737
    "open book",  // 738
    "package",  // 739
    "paintbrush",  // 740
    "pencil",  // 741
    "postbox",  // 742
    "purse",  // 743
    "radio",  // 744
    "ring",  // 745
    "running shoe",  // 746
    "saxophone",  // 747
    "scarf",  // 748
    "scissors",  // 749
    "shopping cart",  // 750
    "shorts",  // 751
    "socks",  // 752
    "straight ruler",  // 753
    "sunglasses",  // 754
    "t shirt",  // 755
    "telephone",  // 756
    "telescope",  // 757
    "television",  // 758
    "toolbox",  // 759
    "toothbrush",  // 760
    "top hat",  // 761
    "trumpet",  // 762
    "violin",  // 763
    "woman's hat",  // 764
    "baby",  // 765
    "boy",  // 766
    "girl",  // 767
    "old woman",  // 768
    "artist",  // 769
    "astronaut",  // 770
    "cook",  // 771
    "farmer",  // 772
    "firefighter",  // 773
    "person biking",  // 774
    "person juggling",  // 775
    "wizard",  // 776
    "merperson",  // 777
    "person rowing a boat",  // 778
    "person surfing",  // 779
    "person swimming",  // 780
    "pilot",  // 781
    "police officer",  // 782
    "prince",  // 783
    "princess",  // 784
    "scientist",  // 785
    "skier",  // 786
    "snowboarder",  // 787
    "student",  // 788
    "teacher",  // 789
    "person in bed",  // 790
    "superhero",  // 791
    "woman dancing",  // 792
    "waving hand",  // 793
    "construction worker",  // 794
    "clapping hands",  // 795
    "tooth",  // 796
    "robot",  // 797
    "alien",  // 798
    "partying face",  // 799
    "cowboy face",  // 800
    "red apple",  // 801
    "strawberry",  // 802
    "cherries",  // 803
    "banana",  // 804
    "grapes",  // 805
    "peach",  // 806
    "pear",  // 807
    "watermelon",  // 808
    "pineapple",  // 809
    "lemon",  // 810
    "tangerine",  // 811
    "kiwi fruit",  // 812
    "coconut",  // 813
    "carrot",  // 814
    "broccoli",  // 815
    "avocado",  // 816
    "doughnut",  // 817
    "cupcake",  // 818
    "cookie",  // 819
    "birthday cake",  // 820
    "pizza",  // 821
    "hamburger",  // 822
    "croissant",  // 823
    "sunflower",  // 824
    "rose",  // 825
    "tulip",  // 826
    "mushroom",  // 827
    "cactus",  // 828
    "cherry blossom",  // 829
    "panda",  // 830
    "koala",  // 831
    "ladybird",  // 832
    "butterfly",  // 833
    "penguin",  // 834
    "tropical fish",  // 835
    "soccer ball",  // 836
    "basketball",  // 837
    "balloon",  // 838
    "teddy bear",  // 839
    "wrapped gift",  // 840
    "rainbow",  // 841
    "kite",  // 842
    "trophy",  // 843
};
// clang-format on
static_assert(std::size(kPictureNames) == kAllPictures);

}  // namespace

const char* PictureName(ResourceId id) {
    if (id < kFirstPicture || id >= kFirstPicture + kAllPictures) return "";
    return kPictureNames[id - kFirstPicture];
}

}  // namespace pv
